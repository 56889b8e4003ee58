#include "frame/hud_drawing.h"

#include "state/game.h"

namespace quillmoor {

void DrawImage(const GraphicsState& graphics,
               int image, TexelRect source, Vector2 scaling, Vector2 translation,
               Vector2 centre, float rotation, Argb colour) {
  graphics.Device->DrawSprite(SpriteDraw{.texture = graphics.ImageTextures.at(image),
                                              .source = source,
                                              .scaling = scaling,
                                              .rotationCentre = centre,
                                              .rotation = rotation,
                                              .translation = translation,
                                              .colour = colour});
}

}  // namespace quillmoor
