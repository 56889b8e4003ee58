#include "platform/letterbox.h"

#include <cstdint>

namespace quillmoor {

Rect FitPicture(int outerWidth, int outerHeight, int pictureWidth, int pictureHeight) {
  if (outerWidth <= 0 || outerHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
  Rect r;
  // Compare outerWidth / outerHeight with pictureWidth / pictureHeight exactly.
  if (std::int64_t(outerWidth) * pictureHeight > std::int64_t(outerHeight) * pictureWidth) {
    r.height = outerHeight;
    r.width = int(std::int64_t(outerHeight) * pictureWidth / pictureHeight);
  } else {
    r.width = outerWidth;
    r.height = int(std::int64_t(outerWidth) * pictureHeight / pictureWidth);
  }
  r.x = (outerWidth - r.width) / 2;
  r.y = (outerHeight - r.height) / 2;
  return r;
}

}  // namespace quillmoor
