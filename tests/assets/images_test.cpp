#include "assets/images/images.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "platform/image_file.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

// An interface image as the generator writes it, the images written once per test program.
Image ReadInterfaceImage(const char* file) {
  static const test::TempDir dir;
  [[maybe_unused]] static const bool written = (assets::WriteInterfaceImages(dir.path()), true);
  const std::optional<Image> image = ReadImageFile(dir.path() / file);
  if (!image) ADD_FAILURE() << file << " is missing or unreadable";
  return image.value_or(Image{});
}

// The screens draw these images by source rectangles and scalings that
// assume exactly these sizes.
TEST(Images, InterfaceImagesHaveTheSizesTheScreensDrawThemAt) {
  const struct {
    const char* file;
    int width, height;
  } expected[] = {
      {"i-glow_orange.res", 256, 256}, {"i-001.res", 256, 256}, {"i-002.res", 256, 256},
      {"i-log4.res", 1024, 1024},      {"i-004.res", 256, 256}, {"i-005.res", 256, 256},
      {"i-006.res", 128, 16},          {"i-007.res", 128, 16},  {"i-logo2.res", 512, 256},
      {"i-psh.res", 256, 256},         {"i-008.res", 512, 512}, {"i-glow1.res", 128, 128},
  };
  for (const auto& [file, width, height] : expected) {
    const Image image = ReadInterfaceImage(file);
    EXPECT_EQ(image.width, width) << file;
    EXPECT_EQ(image.height, height) << file;
  }
}

// The display turns the needle by (360 - speed x 135) degrees clockwise:
// at rest it must point at the 0 of the dial, down and to the right.
TEST(Images, SpeedometerNeedleAtRestPointsDownAndRight) {
  const Image needle = ReadInterfaceImage("i-005.res");
  ASSERT_EQ(needle.width, 256);
  double sumX = 0, sumY = 0, total = 0;
  for (int y = 0; y < needle.height; ++y) {
    for (int x = 0; x < needle.width; ++x) {
      const double dx = x + 0.5 - 128, dy = y + 0.5 - 128;
      if (std::hypot(dx, dy) < 40) continue;  // the hub and the tail
      const double alpha = needle.rgba[(std::size_t(y) * needle.width + x) * 4 + 3];
      sumX += dx * alpha;
      sumY += dy * alpha;
      total += alpha;
    }
  }
  ASSERT_GT(total, 0);
  EXPECT_NEAR(std::atan2(sumY, sumX) * 180 / 3.14159265358979, 45, 3);
}

}  // namespace
}  // namespace quillmoor
