#include "frame/track_pads.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "frame/scene_painter.h"
#include "graphics/angles.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// Green pads, and red ones while the tint runs, show i-001; red ones i-002.
// Other kinds keep the texture already set.
void PadTexture(ScenePainter& painter, float kind) {
  const auto& images = painter.game().graphics.ImageTextures;
  const bool tinted = painter.game().sim.TintActive;
  if (kind == 0) painter.device().SetTexture(0, images[1]);
  if (kind == 1) painter.device().SetTexture(0, tinted ? images[1] : images[2]);
}

}  // namespace

void TrackPads(ScenePainter& painter) {
  Game& game = painter.game();
  SimulationState& s = game.sim;
  const MeshRecord& pad = game.graphics.Meshes[1];
  const auto& rows = game.map.MapObjects;
  const int count = std::min<int>(s.VisibleCount, kMaxVisibleObjects);
  for (int i = 1; i <= count; ++i) {
    // The row, rounded half to even; a number naming no row is passed over.
    const double row = std::nearbyint(double(s.VisibleObjects[std::size_t(i)]));
    if (!(row >= 0 && row <= kMaxMapObjects && row < double(rows.size()))) continue;
    const MapObject& object = rows[std::size_t(row)];
    const float z = object.Dist - s.Distance;
    const float a = Radians(object.AngleNorm);
    s.ObjectSlots[1].World = Chain(Scaling(1.2f, 1.0f, 1.88f),
                                   Translation(0, Single(-2.65), z), RotationZ(a));
    painter.device().SetTransform(TransformType::World, s.ObjectSlots[1].World);
    for (std::int32_t j = 0; j < pad.MaterialCount; ++j) {
      painter.device().SetMaterial(pad.Materials[std::size_t(j)]);
      PadTexture(painter, object.Kind);
      painter.device().DrawSubset(pad.Mesh, std::uint32_t(j));
    }
  }
}

}  // namespace quillmoor
