// Images known by their content, whatever their name.

#include "platform/image_file.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <cstring>

#include "support/temp_dir.h"

namespace quillmoor {
namespace {

// 2 x 2: red, green / blue, half-transparent white.
const std::vector<std::uint8_t> kPixels = {255, 0, 0, 255, 0, 255, 0, 255,
                                           0, 0, 255, 255, 255, 255, 255, 128};

std::string Encoded(int (*write)(stbi_write_func*, void*, int, int, int, const void*)) {
  std::string bytes;
  write([](void* context, void* data, int size) {
          static_cast<std::string*>(context)->append(static_cast<char*>(data), std::size_t(size));
        },
        &bytes, 2, 2, 4, kPixels.data());
  return bytes;
}

TEST(ImageFile, EveryFormatIsReadByItsContent) {
  const auto png = [](stbi_write_func* f, void* c, int w, int h, int n, const void* d) {
    return stbi_write_png_to_func(f, c, w, h, n, d, w * n);
  };
  const auto jpeg = [](stbi_write_func* f, void* c, int w, int h, int n, const void* d) {
    return stbi_write_jpg_to_func(f, c, w, h, n, d, 100);
  };
  test::TempDir dir;
  for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
           {"png.res", Encoded(png)},
           {"bmp.res", Encoded(stbi_write_bmp_to_func)},
           {"tga.dds", Encoded(stbi_write_tga_to_func)}}) {
    const std::optional<Image> image = ReadImageFile(dir.Write(name, bytes));
    ASSERT_TRUE(image) << name;
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->rgba[4 * 2 + 2], 255) << name;  // blue at the bottom left
  }
  const std::optional<Image> png32 = DecodeImage(Encoded(png));
  EXPECT_EQ(png32->rgba, kPixels);
  const std::optional<Image> photo = ReadImageFile(dir.Write("photo.png", Encoded(jpeg)));
  ASSERT_TRUE(photo);
  EXPECT_GT(photo->rgba[0], 200);  // red stays red, near enough
}

// A DDS header for the size and pixel format.
std::string DdsHeader(int width, int height, std::uint32_t formatFlags, std::string_view fourCc,
                      std::uint32_t bits = 0, std::array<std::uint32_t, 4> masks = {}) {
  std::string bytes = "DDS ";
  bytes.resize(128, '\0');
  const auto put = [&](std::size_t offset, std::uint32_t value) {
    std::memcpy(&bytes[offset], &value, 4);
  };
  put(4, 124);
  put(12, std::uint32_t(height));
  put(16, std::uint32_t(width));
  put(76, 32);
  put(80, formatFlags);
  if (!fourCc.empty()) std::memcpy(&bytes[84], fourCc.data(), 4);
  put(88, bits);
  for (int i = 0; i < 4; ++i) put(92 + 4 * std::size_t(i), masks[i]);
  return bytes;
}

TEST(ImageFile, DdsCompressedAndUncompressed) {
  // Codes: row 0 all 0 (white), the rest 1 (black).
  const std::string colours = std::string("\xFF\xFF\x00\x00", 4) + std::string("\x00\x55\x55\x55", 4);
  const std::optional<Image> dxt1 = DecodeImage(DdsHeader(4, 4, 0x4, "DXT1") + colours);
  ASSERT_TRUE(dxt1);
  EXPECT_EQ(dxt1->rgba[0], 255);
  EXPECT_EQ(dxt1->rgba[4 * 4], 0);  // row 1

  const std::string alpha3 = std::string("\xF0\x0F", 2) + std::string(6, '\0');
  const std::optional<Image> dxt3 = DecodeImage(DdsHeader(4, 4, 0x4, "DXT3") + alpha3 + colours);
  ASSERT_TRUE(dxt3);
  EXPECT_EQ(dxt3->rgba[3], 0);
  EXPECT_EQ(dxt3->rgba[4 + 3], 255);

  // Ends 255 and 0; pixel 0 takes code 1 (0), the others code 0 (255).
  const std::string alpha5 = std::string("\xFF\x00\x01\x00\x00\x00\x00\x00", 8);
  const std::optional<Image> dxt5 = DecodeImage(DdsHeader(4, 4, 0x4, "DXT5") + alpha5 + colours);
  ASSERT_TRUE(dxt5);
  EXPECT_EQ(dxt5->rgba[3], 0);
  EXPECT_EQ(dxt5->rgba[4 + 3], 255);

  // 32-bit BGRA with alpha, 1 x 1.
  const std::optional<Image> bgra = DecodeImage(
      DdsHeader(1, 1, 0x41, "", 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000u}) + "\x30\x20\x10\x80");
  ASSERT_TRUE(bgra);
  EXPECT_EQ(bgra->rgba, (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0x80}));
}

TEST(ImageFile, BrokenOrUnknownBytesAreNotAnImage) {
  EXPECT_FALSE(DecodeImage(""));
  EXPECT_FALSE(DecodeImage("not an image at all"));
  EXPECT_FALSE(DecodeImage(DdsHeader(4, 4, 0x4, "DXT1") + "\x01\x02"));  // too short
  EXPECT_FALSE(DecodeImage(DdsHeader(4, 4, 0x4, "ATI2") + std::string(16, '\0')));
  EXPECT_FALSE(DecodeImage(DdsHeader(70000, 4, 0x4, "DXT1")));
  test::TempDir dir;
  EXPECT_FALSE(ReadImageFile(dir.path() / "missing.res"));
}

}  // namespace
}  // namespace quillmoor
