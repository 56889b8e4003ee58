// The player's craft, drawn at 1/0.015 of these units: about 0.34 wide and
// 0.52 long in the tube. Its origin rides 2.57 from the axis; the belly
// stays above the pads' tops. The engine opens at z -17.5, just before the
// exhaust glow the game draws at -18 (-0.27 in the tube), and the marker
// lights, drawn at (+-9, -1.2, -12.5), lie just above the wing tops.

#include <vector>

#include "assets/models/craft_parts.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

enum Material { kHull, kCanopy, kTrim, kEngine };

}  // namespace

ModelMesh CraftModel() {
  const LoftSection body[] = {{17, -0.6f, 0.4f, 0.3f}, {12.5f, -0.4f, 2.4f, 1.4f},
                              {6, -0.1f, 3.9f, 2.3f},  {-3, 0.2f, 4.4f, 2.6f},
                              {-11, 0.2f, 3.9f, 2.4f}, {-14.5f, 0.1f, 3.2f, 2.2f}};
  const LoftSection canopy[] = {{9.5f, 1.9f, 0.3f, 0.3f},
                                {6, 2.0f, 1.7f, 1.6f},
                                {0, 2.2f, 2.0f, 2.0f},
                                {-5, 2.2f, 1.4f, 1.4f}};
  const glm::vec2 wing[] = {{3, 3}, {10.5f, -8.5f}, {10.5f, -14.5f}, {3, -13.5f}};
  const glm::vec2 tipFin[] = {{-8.5f, -2.3f}, {-14.5f, -2.3f}, {-15.5f, 1.8f}, {-12, 1.8f}};
  const glm::vec2 tailFin[] = {{-6, 2.2f}, {-12.5f, 2.2f}, {-14.5f, 5.5f}, {-11.5f, 5.5f}};

  Part hull = Loft(body, 8);
  Merge(hull, WingPair(wing, -2.3f, -1.6f));
  Part trim = WithMirrorX(Fin(tipFin, 10.85f, 0.7f));
  Merge(trim, Fin(tailFin, 0, 0.7f));
  Merge(trim, EngineCore({0, 0}, 3.2f, -17.5f, 4.5f));

  std::vector<MaterialPart> parts = {{hull, kHull},
                                     {Loft(canopy, 8), kCanopy},
                                     {trim, kTrim},
                                     {EngineBell({0, 0}, 3.2f, -17.5f, 4.5f), kEngine}};
  BoxMapUvs(parts);
  const char* texture = "t-Woods.res";
  return Assemble("Fly",
                  {MakeMaterial("Hull", 0.92f, 0.93f, 0.95f, texture),
                   MakeMaterial("Canopy", 0.4f, 0.75f, 1, texture),
                   MakeMaterial("Trim", 1, 0.55f, 0.2f, texture),
                   MakeMaterial("Engine", 0.3f, 0.3f, 0.35f, texture)},
                  parts);
}

}  // namespace quillmoor::assets
