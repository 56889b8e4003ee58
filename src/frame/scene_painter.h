#pragma once

#include <cstdint>

#include "platform/graphics.h"
#include "platform/matrix.h"

namespace quillmoor {

struct Game;
struct Placement;

// Draws meshes and quads for one scene, keeping the colour applied last.
class ScenePainter {
 public:
  explicit ScenePainter(Game& game);

  Game& game() { return game_; }
  GraphicsDevice& device() { return device_; }
  ColourValue colour() const { return MaterialColour; }

  // Sets the colour as the diffuse and ambient of the current material.
  void ApplyColour(float red, float green, float blue, float alpha);
  // Red, green and blue to the level; alpha stays.
  void ApplyGrey(double level);

  // Each subset with its own material.
  void MaterialPass(int mesh, const Placement& placement);
  // Each subset with the colour applied last.
  void ColourPass(int mesh, const Placement& placement);
  // The same without textures: the model in the colour alone.
  void TintPass(int mesh, const Matrix& world);
  // The unit quad with the colour applied last; no texture when none.
  void Quad(const Matrix& world, TextureId texture = {});

 private:
  enum class Skin { OwnMaterials, Colour, ColourOnly };
  void Subsets(int mesh, Skin how);

  Game& game_;
  GraphicsDevice& device_;
  ColourValue MaterialColour{1, 1, 1, 1};
  Material CurrentMaterial;
};

}  // namespace quillmoor
