#pragma once

#include <cstdint>

#include "platform/colour.h"

namespace quillmoor {

struct Game;
struct GraphicsState;

inline constexpr Argb kAmbientWhite = 0x00FFFFFF;
inline constexpr Argb kAmbientTint = 0x00FF00FF;  // the pickup's magenta
inline constexpr Argb kAmbientExit = 0x00FF2828;
inline constexpr Argb kSkyBlue = 0x0096BEFF;

// Creates the device for the window in display mode Rez (1 window, 2 full
// screen) and sets the states that hold for the whole run. False when no
// device can be made.
bool InitD3d(Game& game, std::uint8_t Rez);

// The one near-black directional light, white ambient, the clear colour.
void SetupLights(GraphicsState& graphics);

// The ambient light level, which tints every lit model.
void SetAmbient(GraphicsState& graphics, Argb colour);

// View from the camera (rolled with the craft in race camera mode 2) and
// the projection from the field of view.
void SetupMatrices(Game& game);

}  // namespace quillmoor
