// The generated models read back through the game's own loader.

#include <gtest/gtest.h>

#include "assets/models/models.h"
#include "assets/models/x_file_writer.h"
#include "platform/model_file.h"

namespace quillmoor {
namespace {

// The corners of the model's faces of material j, as the file has them.
std::vector<WorldVertex> Corners(const assets::ModelMesh& model, int j) {
  std::vector<WorldVertex> corners;
  for (std::size_t f = 0; f < model.faces.size(); ++f) {
    if (model.faceMaterials[f] != j) continue;
    for (std::uint32_t index : model.faces[f]) {
      const assets::ModelVertex& v = model.vertices[index];
      corners.push_back({v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y,
                         v.normal.z, v.uv.x, v.uv.y});
    }
  }
  return corners;
}

std::vector<WorldVertex> Corners(const ModelGeometry& model, std::size_t j) {
  std::vector<WorldVertex> corners;
  const Subset& subset = model.subsets[j];
  for (std::uint32_t i = 0; i < subset.indexCount; ++i) {
    corners.push_back(model.vertices[model.indices[subset.firstIndex + i]]);
  }
  return corners;
}

void ExpectNear(const WorldVertex& a, const WorldVertex& b) {
  const float x[] = {a.X, a.Y, a.Z, a.NX, a.NY, a.NZ, a.TU, a.TV};
  const float y[] = {b.X, b.Y, b.Z, b.NX, b.NY, b.NZ, b.TU, b.TV};
  for (int k = 0; k < 8; ++k) EXPECT_NEAR(x[k], y[k], 1e-5) << k;
}

TEST(GeneratedModels, ReadBackAsWritten) {
  XFileReader reader;
  for (const std::string_view name : assets::kModelFileNames) {
    SCOPED_TRACE(name);
    const assets::ModelMesh written = assets::BuildModel(name);
    const std::optional<ModelGeometry> read = reader.ReadBytes(assets::XFileText(written));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->materials.size(), written.materials.size());
    ASSERT_EQ(read->subsets.size(), written.materials.size());
    for (std::size_t j = 0; j < written.materials.size(); ++j) {
      const glm::vec4& colour = written.materials[j].faceColor;
      EXPECT_EQ(read->materials[j].Diffuse, (ColourValue{colour.r, colour.g, colour.b, colour.a}));
      const std::vector<WorldVertex> expected = Corners(written, int(j));
      const std::vector<WorldVertex> actual = Corners(*read, j);
      ASSERT_EQ(actual.size(), expected.size());
      for (std::size_t i = 0; i < actual.size(); ++i) ExpectNear(actual[i], expected[i]);
    }
  }
}

}  // namespace
}  // namespace quillmoor
