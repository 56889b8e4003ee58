// Files read ahead on threads of their own give the same answers, in the
// same order, as files read when asked for.

#include "platform/read_ahead.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/image.h"
#include "platform/image_file.h"
#include "platform/model_file.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using test::TempDir;

constexpr std::string_view kTriangle = R"(xof 0303txt 0032
Mesh Triangle {
 3;
 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;;
 1;
 3;0,1,2;;
}
)";

std::string OnePixelPng(std::uint8_t red) {
  return EncodePng(Image{1, 1, {red, 2, 3, 255}}, /*keepAlpha=*/true);
}

int FirstLetter(const std::filesystem::path& file) { return int(file.string()[0]); }

TEST(ReadAhead, EachFileOnceThenNoMoreAndPassedOverOnesHoldNothingUp) {
  {
    ReadAhead<int> batch({"a", "b", "c", "d"}, FirstLetter);
    EXPECT_EQ(ReadAhead<int>::Take("a"), 'a');
    EXPECT_EQ(ReadAhead<int>::Take("a"), std::nullopt);
    EXPECT_EQ(ReadAhead<int>::Take("e"), std::nullopt);
    // A later file gives up the ones before it.
    EXPECT_EQ(ReadAhead<int>::Take("c"), 'c');
    EXPECT_EQ(ReadAhead<int>::Take("b"), std::nullopt);
  }
  EXPECT_EQ(ReadAhead<int>::Take("d"), std::nullopt);
  // Files passed over do not hold up the rest.
  ReadAhead<int> waitingForOne({"a", "b", "c", "d", "e"}, FirstLetter, /*waiting=*/1);
  EXPECT_EQ(ReadAhead<int>::Take("e"), 'e');
}

TEST(ReadAhead, ImagesAheadAreTheImagesOnDisk) {
  TempDir dir;
  const auto good = dir.Write("good.png", OnePixelPng(1));
  const auto broken = dir.Write("broken.png", "not a picture");
  const auto missing = dir.path() / "missing.png";
  std::optional<Image> first, again;
  {
    const ImageFilesAhead ahead({missing, broken, good});
    EXPECT_FALSE(ReadImageFile(missing));
    EXPECT_FALSE(ReadImageFile(broken));
    first = ReadImageFile(good);
    // Taken once: a second read is of the file as it is now.
    dir.Write("good.png", OnePixelPng(9));
    again = ReadImageFile(good);
  }
  ASSERT_TRUE(first && again);
  EXPECT_EQ(first->rgba, (std::vector<std::uint8_t>{1, 2, 3, 255}));
  EXPECT_EQ(again->rgba, (std::vector<std::uint8_t>{9, 2, 3, 255}));
}

TEST(ReadAhead, ModelsAheadAreTheModelsOnDisk) {
  TempDir dir;
  const auto good = dir.Write("good.x", kTriangle);
  const auto broken = dir.Write("broken.x", "xof 0303txt 0032\nMesh {");
  const auto missing = dir.path() / "missing.x";
  const std::optional<ModelGeometry> expected = XFileReader().ReadFile(good);
  ASSERT_TRUE(expected);
  const ModelFilesAhead ahead({missing, broken, good});
  XFileReader reader;
  EXPECT_FALSE(reader.ReadFile(missing));
  EXPECT_FALSE(reader.ReadFile(broken));
  const std::optional<ModelGeometry> model = reader.ReadFile(good);
  ASSERT_TRUE(model);
  EXPECT_EQ(std::tie(model->vertices, model->indices, model->subsets),
            std::tie(expected->vertices, expected->indices, expected->subsets));
}

}  // namespace
}  // namespace quillmoor
