#include "frame/scene_painter.h"

#include <cstddef>

#include "graphics/vertex_buffer.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

// Meshes 7 and 8 wear the tunnel texture of mesh 2.
int TextureSource(int mesh) { return mesh == 7 || mesh == 8 ? 2 : mesh; }

}  // namespace

ScenePainter::ScenePainter(Game& game) : game_(game), device_(*game.graphics.Device) {}

void ScenePainter::ApplyColour(float red, float green, float blue, float alpha) {
  MaterialColour = {red, green, blue, alpha};
  CurrentMaterial.Diffuse = MaterialColour;
  CurrentMaterial.Ambient = MaterialColour;
  device_.SetMaterial(CurrentMaterial);
}

void ScenePainter::ApplyGrey(double level) {
  const float grey = Single(level);
  ApplyColour(grey, grey, grey, MaterialColour.a);
}

void ScenePainter::MaterialPass(int mesh, const Placement& placement) {
  device_.SetTransform(TransformType::World, placement.World);
  Subsets(mesh, Skin::OwnMaterials);
}

void ScenePainter::ColourPass(int mesh, const Placement& placement) {
  device_.SetTransform(TransformType::World, placement.World);
  Subsets(mesh, Skin::Colour);
}

void ScenePainter::TintPass(int mesh, const Matrix& world) {
  device_.SetTransform(TransformType::World, world);
  Subsets(mesh, Skin::ColourOnly);
}

void ScenePainter::Subsets(int mesh, Skin how) {
  const MeshRecord& model = game_.graphics.Meshes[mesh];
  const MeshRecord& textures = game_.graphics.Meshes[TextureSource(mesh)];
  for (std::int32_t j = 0; j < model.MaterialCount; ++j) {
    const std::size_t subset = std::size_t(j);
    // A subset without a texture entry of its own is left out.
    if (subset >= textures.Textures.size()) continue;
    if (how == Skin::OwnMaterials) device_.SetMaterial(model.Materials[subset]);
    device_.SetTexture(0, how == Skin::ColourOnly ? TextureId{} : textures.Textures[subset]);
    device_.DrawSubset(model.Mesh, std::uint32_t(j));
  }
}

void ScenePainter::Quad(const Matrix& world, TextureId texture) {
  device_.SetTransform(TransformType::World, world);
  device_.SetTexture(0, texture);
  device_.DrawTriangleStrip(game_.graphics.VertexBuffer, kUnitQuadStart, 2);
}

}  // namespace quillmoor
