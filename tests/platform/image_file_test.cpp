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

// kPixels as a png, bmp, tga or jpeg file, by the format's first letter.
std::string Encoded(char format) {
  std::string out;
  stbi_write_func* append = [](void* to, void* data, int size) {
    static_cast<std::string*>(to)->append(static_cast<char*>(data), std::size_t(size));
  };
  if (format == 'p') stbi_write_png_to_func(append, &out, 2, 2, 4, kPixels.data(), 8);
  if (format == 'b') stbi_write_bmp_to_func(append, &out, 2, 2, 4, kPixels.data());
  if (format == 't') stbi_write_tga_to_func(append, &out, 2, 2, 4, kPixels.data());
  if (format == 'j') stbi_write_jpg_to_func(append, &out, 2, 2, 4, kPixels.data(), 100);
  return out;
}

// Little-endian 32-bit fields into a header, by their offsets.
void Put(std::string& bytes, std::initializer_list<std::pair<std::size_t, std::int64_t>> fields) {
  for (const auto& [offset, value] : fields) {
    const auto field = std::uint32_t(value);
    std::memcpy(&bytes[offset], &field, 4);
  }
}

// kPixels' colours as a 24-bit BMP stored top row first, as its negative
// height says: blue, green, red, rows padded to four bytes.
std::string TopDownBmp() {
  std::string bytes = "BM";
  bytes.resize(54, '\0');
  Put(bytes, {{2, 54 + 16}, {10, 54}, {14, 40}, {18, 2}, {22, -2}, {26, 1}, {28, 24}});
  return bytes + std::string("\x00\x00\xFF\x00\xFF\x00\0\0\xFF\x00\x00\xFF\xFF\xFF\0\0", 16);
}

TEST(ImageFile, EveryFormatIsReadByItsContent) {
  test::TempDir dir;
  const std::pair<const char*, char> files[] = {{"png.res", 'p'}, {"bmp.res", 'b'}, {"tga.dds", 't'}};
  for (const auto& [name, format] : files) {
    const std::optional<Image> image = ReadImageFile(dir.Write(name, Encoded(format)));
    ASSERT_TRUE(image) << name;
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->rgba[4 * 2 + 2], 255) << name;  // blue at the bottom left
  }
  EXPECT_EQ(DecodeImage(Encoded('p'))->rgba, kPixels);
  const std::optional<Image> photo = ReadImageFile(dir.Write("photo.png", Encoded('j')));
  ASSERT_TRUE(photo);
  EXPECT_GT(photo->rgba[0], 200);  // red stays red, near enough
  // A top-down BMP: red at the top left, blue at the bottom left.
  const std::optional<Image> topDown = DecodeImage(TopDownBmp());
  ASSERT_TRUE(topDown);
  EXPECT_EQ(topDown->height, 2);
  EXPECT_EQ(topDown->rgba[0], 255);
  EXPECT_EQ(topDown->rgba[4 * 2 + 2], 255);
}

// A DDS header for the size and pixel format.
std::string DdsHeader(int width, int height, std::uint32_t formatFlags, std::string_view fourCc,
                      std::uint32_t bits = 0, std::array<std::uint32_t, 4> masks = {}) {
  std::string bytes = "DDS ";
  bytes.resize(128, '\0');
  Put(bytes, {{4, 124}, {12, height}, {16, width}, {76, 32}, {80, formatFlags}, {88, bits},
              {92, masks[0]}, {96, masks[1]}, {100, masks[2]}, {104, masks[3]}});
  if (!fourCc.empty()) std::memcpy(&bytes[84], fourCc.data(), 4);
  return bytes;
}

TEST(ImageFile, DdsCompressedAndUncompressed) {
  // Codes: row 0 all 0 (white), the rest 1 (black).
  const std::string colours = std::string("\xFF\xFF\x00\x00", 4) + std::string("\x00\x55\x55\x55", 4);
  const std::optional<Image> dxt1 = DecodeImage(DdsHeader(4, 4, 0x4, "DXT1") + colours);
  ASSERT_TRUE(dxt1);
  EXPECT_EQ(dxt1->rgba[0], 255);
  EXPECT_EQ(dxt1->rgba[4 * 4], 0);  // row 1

  // DXT3: pixel 0 alpha 0, pixel 1 alpha 15. DXT5: ends 255 and 0; pixel 0
  // takes code 1 (0), the others code 0 (255).
  for (const auto& [fourCc, alpha] : {std::pair{"DXT3", std::string("\xF0\x0F\0\0\0\0\0\0", 8)},
                                      std::pair{"DXT5", std::string("\xFF\0\x01\0\0\0\0\0", 8)}}) {
    const std::optional<Image> image = DecodeImage(DdsHeader(4, 4, 0x4, fourCc) + alpha + colours);
    ASSERT_TRUE(image) << fourCc;
    EXPECT_EQ(image->rgba[3], 0) << fourCc;
    EXPECT_EQ(image->rgba[4 + 3], 255) << fourCc;
  }

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

TEST(ImageFile, APictureThatCannotBeReadIsNamedWithTheReason) {
  test::TempDir dir;
  const auto broken = dir.Write("t-kr.res", "\x89PNG broken");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(ReadImageFile(broken));
  EXPECT_FALSE(ReadImageFile(dir.path() / "t-none.res"));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Картинка " + broken.string() + " не прочитана: формат не распознан"),
            std::string::npos) << said;
  EXPECT_NE(said.find("t-none.res не прочитана: нет такого файла."), std::string::npos) << said;
}

}  // namespace
}  // namespace quillmoor
