#pragma once

#include "assets/sounds/clip.h"

namespace quillmoor::assets::sounds {

// The game's sounds, one maker each.

Clip EngineLoop();      // s-s1.res: seamless, pitched by the craft's speed
Clip RaceStartSound();  // s-ac.res
Clip GreenPadSound();   // s-zel.res: a lift
Clip RedPadSound();     // s-krasn.res: a thud
Clip MenuClickSound();  // s-01.res
Clip MenuHoverSound();  // s-dm1.res
Clip ZapSound();        // s-zap1.res: loaded, never played
Clip RevUpSound();      // s-razg.res: loaded, never played
Clip MenuMusic();       // s-myz.res: seamless loop
Clip RaceMusic();       // s-br01.res: seamless loop

}  // namespace quillmoor::assets::sounds
