#pragma once

#include "assets/images/canvas.h"

namespace quillmoor::assets {

class TextSetter;

// Model textures; the tiling ones repeat seamlessly.
Canvas SkyTexture();         // 512 x 512, tiling night sky
Canvas TunnelWallTexture();  // 512 x 512, tiling wall panels
Canvas CraftTexture();       // 256 x 256, the player's craft
Canvas FlyerTexture();       // 256 x 256, the menu flyer
Canvas StationTexture();     // 256 x 256, the station
Canvas AsteroidTexture();    // 256 x 256, tiling rock
Canvas PickupTexture();      // 256 x 256, stained glass that tints what lies behind

// Interface images, at the sizes the screens draw them.
Canvas ExhaustGlowImage();                            // 256 x 256
Canvas MenuGlowImage();                               // 128 x 128
Canvas BoostPadImage();                               // 256 x 256
Canvas BrakePadImage();                               // 256 x 256
Canvas IntroImage(const TextSetter& text);            // 1024 x 1024
Canvas SpeedometerDialImage(const TextSetter& text);  // 256 x 256
Canvas SpeedometerNeedleImage();                      // 256 x 256
Canvas ProgressFrameImage();                          // 128 x 16
Canvas ProgressFillImage();                           // 128 x 16
Canvas LogoImage(const TextSetter& text);             // 512 x 256
Canvas OverlayImage();                                // 256 x 256
Canvas MenuPanelImage();                              // 512 x 512

}  // namespace quillmoor::assets
