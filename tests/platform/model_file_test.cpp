// .X files as the game reads them.

#include "platform/model_file.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include "support/temp_dir.h"

namespace quillmoor {
namespace {

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
  EXPECT_EQ(model->materials,
            (std::vector<Material>{{{1, 0, 0, 1}, {}, {0.1f, 0.2f, 0.3f, 1}, {0, 0, 0.5f, 1}, 5},
                                   {{0, 0, 1, 0.5f}, {}, {0, 0, 0, 1}, {0, 0, 0, 1}, 1}}));
  ASSERT_EQ(model->subsets.size(), 2u);
  // Face 1 (corners 0, 2, 3) uses Red, face 0 (corners 0, 1, 2) Blue; the
  // file's own coordinates, texture coordinates and winding.
  using Rows = std::vector<std::vector<float>>;
  EXPECT_EQ(Corners(*model, 0), (Rows{{10, 20, 31, 0, 0, -1, 0, 0},
                                      {11, 21, 33, 0, 0, -1, 1, 1},
                                      {10, 21, 34, 0, 0, -1, 0.25f, 0.75f}}));
  EXPECT_EQ(Corners(*model, 1), (Rows{{10, 20, 31, 0, 0, -1, 0, 0},
                                      {11, 20, 32, 0, 0, -1, 1, 0},
                                      {11, 21, 33, 0, 0, -1, 1, 1}}));
}

template <typename T>
void Put(std::string& bytes, T value) {
  bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void ExpectSameGeometry(const std::optional<ModelGeometry>& a,
                        const std::optional<ModelGeometry>& b) {
  ASSERT_TRUE(a && b);
  EXPECT_EQ(std::tie(a->vertices, a->indices, a->subsets, a->materials),
            std::tie(b->vertices, b->indices, b->subsets, b->materials));
}

// One triangle without materials in the binary token form.
std::string BinaryTriangle() {
  std::string bytes = "xof 0303bin 0032";
  const auto list = [&](std::uint16_t token, auto values) {  // 6 integers, 7 floats
    Put(bytes, token);
    Put(bytes, std::uint32_t(values.size()));
    for (auto v : values) Put(bytes, v);
  };
  Put(bytes, std::uint16_t(1));  // the name Mesh
  Put(bytes, std::uint32_t(4));
  bytes += "Mesh";
  Put(bytes, std::uint16_t(10));  // {
  list(6, std::initializer_list<std::uint32_t>{3});
  list(7, std::initializer_list<float>{0, 0, 0, 1, 0, 0, 0, 1, 0});
  list(6, std::initializer_list<std::uint32_t>{1, 3, 0, 1, 2});
  Put(bytes, std::uint16_t(11));  // }
  return bytes;
}

// A text file in the compressed form: one deflated block after the header.
std::string Compressed(std::string_view text) {
  const std::string body(text.substr(16));
  uLongf size = compressBound(uLong(body.size()));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
            reinterpret_cast<const Bytef*>(body.data()), uLong(body.size()), 9);
  packed = packed.substr(2, size - 6);  // the bare deflate stream inside zlib's frame
  std::string bytes = "xof 0303tzip0032";
  Put(bytes, std::uint32_t(body.size() + 16));
  Put(bytes, std::uint16_t(body.size()));
  Put(bytes, std::uint16_t(packed.size() + 2));
  return bytes + "CK" + packed;
}

TEST(XFile, BinaryAndCompressedFilesLoadLikeText) {
  const std::optional<ModelGeometry> triangle = XFileReader().ReadBytes(
      "xof 0303txt 0032\nMesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }\n");
  ASSERT_TRUE(triangle);
  EXPECT_TRUE(triangle->materials.empty());  // and so one subset for all
  EXPECT_EQ(triangle->subsets, (std::vector<Subset>{{0, 3}}));
  EXPECT_EQ(triangle->vertices.at(triangle->indices.at(2)).Y, 1.0f);
  ExpectSameGeometry(XFileReader().ReadBytes(BinaryTriangle()), triangle);
  ExpectSameGeometry(XFileReader().ReadBytes(Compressed(kTwoMaterials)),
                     XFileReader().ReadBytes(kTwoMaterials));
}

TEST(XFile, BrokenFilesAreNotReadAndDoNotCrash) {
  EXPECT_FALSE(XFileReader().ReadBytes(""));
  EXPECT_FALSE(XFileReader().ReadBytes("xof 0303txt 0032\nMesh { 3; 0.0;"));
  // A material list with no materials that its faces still point into.
  EXPECT_FALSE(XFileReader().ReadBytes(
      "xof 0303txt 0032\nMesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;;\n"
      " MeshMaterialList { 0; 1; 0;; } }\n"));
  test::TempDir dir;
  EXPECT_FALSE(XFileReader().ReadFile(dir.path() / "missing.x"));
  EXPECT_FALSE(XFileReader().ReadFile(dir.path()));
}

// A reply for a triangle whose third index is given.
std::string TriangleReply(std::uint32_t thirdIndex) {
  const std::uint64_t counts[] = {3, 3, 1, 0};
  std::string bytes(reinterpret_cast<const char*>(counts), sizeof counts);
  bytes.append(3 * sizeof(WorldVertex), '\0');
  const std::uint32_t indices[] = {0, 1, thirdIndex};
  bytes.append(reinterpret_cast<const char*>(indices), sizeof indices);
  const Subset subset{0, 3};
  bytes.append(reinterpret_cast<const char*>(&subset), sizeof subset);
  return bytes;
}

TEST(ModelReply, OnlyAModelThatHoldsTogetherIsTaken) {
  EXPECT_TRUE(ModelFromReply(TriangleReply(2)));
  EXPECT_FALSE(ModelFromReply(TriangleReply(3)));  // no fourth vertex
  EXPECT_FALSE(ModelFromReply(TriangleReply(2) + "x"));
  EXPECT_FALSE(ModelFromReply(TriangleReply(2).substr(0, 40)));
}

}  // namespace
}  // namespace quillmoor
