// .X files as the game reads them.

#include "platform/model_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>

#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;

// Two faces, the second material first; the frame moves everything by
// (10, 20, 30).
constexpr std::string_view kTwoMaterials = R"(xof 0303txt 0032
Material Red { 1.0;0.0;0.0;1.0;; 5.0; 0.1;0.2;0.3;; 0.0;0.0;0.5;; }
Frame Root {
 FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 10.0,20.0,30.0,1.0;; }
 Mesh Quad {
  4;
  0.0;0.0;1.0;, 1.0;0.0;2.0;, 1.0;1.0;3.0;, 0.0;1.0;4.0;;
  2;
  3;0,1,2;, 3;0,2,3;;
  MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; }
  MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.25;0.75;; }
  MeshMaterialList { 2; 2; 1, 0;;
   { Red }
   Material Blue { 0.0;0.0;1.0;0.5;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
  }
 }
}
)";

// The corners of subset j's triangles, in order.
std::vector<std::vector<float>> Corners(const ModelGeometry& model, std::size_t j) {
  std::vector<std::vector<float>> corners;
  const Subset& subset = model.subsets.at(j);
  for (std::uint32_t i = 0; i < subset.indexCount; ++i) {
    const WorldVertex& v = model.vertices.at(model.indices.at(subset.firstIndex + i));
    corners.push_back({v.X, v.Y, v.Z, v.NX, v.NY, v.NZ, v.TU, v.TV});
  }
  return corners;
}

TEST(XFile, OneSubsetPerMaterialInTheFilesOrderWithFramesApplied) {
  const std::optional<ModelGeometry> model = XFileReader().ReadBytes(kTwoMaterials);
  ASSERT_TRUE(model);
  ASSERT_EQ(model->materials.size(), 2u);
  EXPECT_EQ(model->materials[0].Diffuse, (ColourValue{1, 0, 0, 1}));
  EXPECT_EQ(model->materials[0].Power, 5.0f);
  EXPECT_EQ(model->materials[0].Specular, (ColourValue{0.1f, 0.2f, 0.3f, 1}));
  EXPECT_EQ(model->materials[0].Emissive, (ColourValue{0, 0, 0.5f, 1}));
  EXPECT_EQ(model->materials[1].Diffuse, (ColourValue{0, 0, 1, 0.5f}));
  EXPECT_EQ(model->materials[0].Ambient, ColourValue{});
  ASSERT_EQ(model->subsets.size(), 2u);
  // Face 1 (corners 0, 2, 3) uses Red, face 0 (corners 0, 1, 2) Blue; the
  // file's own coordinates, texture coordinates and winding.
  EXPECT_THAT(Corners(*model, 0),
              ElementsAre(ElementsAre(10, 20, 31, 0, 0, -1, 0, 0),
                          ElementsAre(11, 21, 33, 0, 0, -1, 1, 1),
                          ElementsAre(10, 21, 34, 0, 0, -1, 0.25f, 0.75f)));
  EXPECT_THAT(Corners(*model, 1),
              ElementsAre(ElementsAre(10, 20, 31, 0, 0, -1, 0, 0),
                          ElementsAre(11, 20, 32, 0, 0, -1, 1, 0),
                          ElementsAre(11, 21, 33, 0, 0, -1, 1, 1)));
}

TEST(XFile, AModelWithoutMaterialsHasNone) {
  const std::optional<ModelGeometry> model = XFileReader().ReadBytes(
      "xof 0303txt 0032\nMesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }\n");
  ASSERT_TRUE(model);
  EXPECT_TRUE(model->materials.empty());
  ASSERT_EQ(model->subsets.size(), 1u);
  EXPECT_EQ(model->subsets[0].indexCount, 3u);
}

// The same quad in the binary token form.
std::string BinaryQuad() {
  std::string bytes = "xof 0303bin 0032";
  const auto token = [&](std::uint16_t t) { bytes.append(reinterpret_cast<char*>(&t), 2); };
  const auto word = [&](std::uint32_t w) { bytes.append(reinterpret_cast<char*>(&w), 4); };
  const auto name = [&](std::string_view n) {
    token(1);
    word(std::uint32_t(n.size()));
    bytes += n;
  };
  const auto integers = [&](std::initializer_list<std::uint32_t> list) {
    token(6);
    word(std::uint32_t(list.size()));
    for (std::uint32_t v : list) word(v);
  };
  const auto floats = [&](std::initializer_list<float> list) {
    token(7);
    word(std::uint32_t(list.size()));
    for (float v : list) {
      std::uint32_t bits;
      std::memcpy(&bits, &v, 4);
      word(bits);
    }
  };
  name("Mesh");
  token(10);
  integers({3});
  floats({0, 0, 0, 1, 0, 0, 0, 1, 0});
  integers({1, 3, 0, 1, 2});
  token(11);
  return bytes;
}

TEST(XFile, BinaryFilesLoadLikeText) {
  const std::optional<ModelGeometry> model = XFileReader().ReadBytes(BinaryQuad());
  ASSERT_TRUE(model);
  ASSERT_EQ(model->indices.size(), 3u);
  EXPECT_EQ(model->vertices.at(model->indices[1]).X, 1.0f);
  EXPECT_EQ(model->vertices.at(model->indices[2]).Y, 1.0f);
}

// A text file in the compressed form: one deflated block after the header.
std::string Compressed(std::string_view text) {
  const std::string body(text.substr(16));
  std::string packed(compressBound(uLong(body.size())), '\0');
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
  z.avail_in = uInt(body.size());
  z.next_out = reinterpret_cast<Bytef*>(packed.data());
  z.avail_out = uInt(packed.size());
  deflate(&z, Z_FINISH);
  packed.resize(z.total_out);
  deflateEnd(&z);
  std::string bytes = "xof 0303tzip0032";
  const auto put = [&](auto value) { bytes.append(reinterpret_cast<char*>(&value), sizeof value); };
  put(std::uint32_t(body.size() + 16));
  put(std::uint16_t(body.size()));
  put(std::uint16_t(packed.size() + 2));
  return bytes + "CK" + packed;
}

TEST(XFile, CompressedFilesLoadLikeText) {
  const std::optional<ModelGeometry> text = XFileReader().ReadBytes(kTwoMaterials);
  const std::optional<ModelGeometry> zipped = XFileReader().ReadBytes(Compressed(kTwoMaterials));
  ASSERT_TRUE(text);
  ASSERT_TRUE(zipped);
  EXPECT_EQ(zipped->vertices, text->vertices);
  EXPECT_EQ(zipped->indices, text->indices);
  EXPECT_EQ(zipped->materials, text->materials);
}

TEST(XFile, BrokenFilesAreNotReadAndDoNotCrash) {
  EXPECT_FALSE(XFileReader().ReadBytes(""));
  EXPECT_FALSE(XFileReader().ReadBytes("xof 0303txt 0032\nMesh { 3; 0.0;"));
  // A material list with no materials that its faces still point into.
  EXPECT_FALSE(XFileReader().ReadBytes(
      "xof 0303txt 0032\nMesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;;\n"
      " MeshMaterialList { 0; 1; 0;; } }\n"));
  test::TempDir dir;
  XFileReader reader;
  EXPECT_FALSE(reader.ReadFile(dir.path() / "missing.x"));
  EXPECT_FALSE(reader.ReadFile(dir.path()));
}

}  // namespace
}  // namespace quillmoor
