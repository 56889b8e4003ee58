#pragma once

namespace quillmoor {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

// The largest rectangle of the picture's aspect centred in the outer area.
Rect FitPicture(int outerWidth, int outerHeight, int pictureWidth, int pictureHeight);

}  // namespace quillmoor
