#include "assets/images/pictures.h"
#include "assets/images/space.h"

namespace quillmoor::assets {

Canvas SkyTexture() {
  Canvas sky(512, 512);
  PaintNebula(sky, 20, 4, 0.9f);
  PaintStars(sky, 21, 900, 1.0f);
  return sky;
}

}  // namespace quillmoor::assets
