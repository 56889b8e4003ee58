#include "platform/dds_image.h"

#include <array>
#include <bit>
#include <cstdint>

namespace quillmoor {

namespace {

constexpr std::size_t kHeaderSize = 128;  // "DDS " and the 124-byte header
constexpr std::uint32_t kFourCc = 0x4, kRgb = 0x40, kAlphaPixels = 0x1;
constexpr std::uint32_t kMaxSide = 16384;

std::uint32_t Word(std::string_view bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | std::uint8_t(bytes[offset + i]);
  return value;
}

std::uint32_t FourCc(const char (&text)[5]) {
  return std::uint32_t(std::uint8_t(text[0])) | std::uint32_t(std::uint8_t(text[1])) << 8 |
         std::uint32_t(std::uint8_t(text[2])) << 16 | std::uint32_t(std::uint8_t(text[3])) << 24;
}

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

Rgba From565(std::uint16_t c) {
  const auto expand = [](std::uint32_t v, int bits) {
    return std::uint8_t((v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1));
  };
  return {expand(c >> 11, 5), expand((c >> 5) & 63, 6), expand(c & 31, 5), 255};
}

Rgba Mix(Rgba a, Rgba b, int wa, int wb) {
  const int sum = wa + wb;
  return {std::uint8_t((a.r * wa + b.r * wb) / sum), std::uint8_t((a.g * wa + b.g * wb) / sum),
          std::uint8_t((a.b * wa + b.b * wb) / sum), 255};
}

// The 16 colours of a 4 x 4 colour block; DXT1 knows a transparent black.
std::array<Rgba, 16> ColourBlock(std::string_view block, bool dxt1) {
  const auto c0 = std::uint16_t(Word(block, 0) & 0xFFFF), c1 = std::uint16_t(Word(block, 0) >> 16);
  std::array<Rgba, 4> palette{From565(c0), From565(c1)};
  if (c0 > c1 || !dxt1) {
    palette[2] = Mix(palette[0], palette[1], 2, 1);
    palette[3] = Mix(palette[0], palette[1], 1, 2);
  } else {
    palette[2] = Mix(palette[0], palette[1], 1, 1);
    palette[3] = {0, 0, 0, 0};
  }
  const std::uint32_t codes = Word(block, 4);
  std::array<Rgba, 16> pixels;
  for (int i = 0; i < 16; ++i) pixels[i] = palette[(codes >> (2 * i)) & 3];
  return pixels;
}

// Explicit 4-bit alphas.
void Dxt3Alpha(std::string_view block, std::array<Rgba, 16>& pixels) {
  for (int i = 0; i < 16; ++i) {
    const std::uint8_t nibble = (std::uint8_t(block[i / 2]) >> (4 * (i % 2))) & 0xF;
    pixels[i].a = std::uint8_t(nibble * 17);
  }
}

// Two end alphas and 3-bit codes between them.
void Dxt5Alpha(std::string_view block, std::array<Rgba, 16>& pixels) {
  const int a0 = std::uint8_t(block[0]), a1 = std::uint8_t(block[1]);
  std::array<int, 8> alpha{a0, a1};
  if (a0 > a1) {
    for (int k = 1; k < 7; ++k) alpha[k + 1] = ((7 - k) * a0 + k * a1) / 7;
  } else {
    for (int k = 1; k < 5; ++k) alpha[k + 1] = ((5 - k) * a0 + k * a1) / 5;
    alpha[6] = 0;
    alpha[7] = 255;
  }
  std::uint64_t codes = 0;
  for (int i = 7; i >= 2; --i) codes = (codes << 8) | std::uint8_t(block[i]);
  for (int i = 0; i < 16; ++i) pixels[i].a = std::uint8_t(alpha[(codes >> (3 * i)) & 7]);
}

std::optional<Image> DecodeBlocks(std::string_view data, std::uint32_t width,
                                  std::uint32_t height, std::uint32_t format) {
  const bool dxt1 = format == FourCc("DXT1");
  const std::size_t blockSize = dxt1 ? 8 : 16;
  const std::size_t across = (width + 3) / 4, down = (height + 3) / 4;
  if (data.size() / blockSize < across * down) return std::nullopt;
  Image image{int(width), int(height), std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
  for (std::size_t by = 0; by < down; ++by) {
    for (std::size_t bx = 0; bx < across; ++bx) {
      const std::string_view block = data.substr((by * across + bx) * blockSize, blockSize);
      std::array<Rgba, 16> pixels = ColourBlock(block.substr(blockSize - 8), dxt1);
      if (format == FourCc("DXT3")) Dxt3Alpha(block, pixels);
      if (format == FourCc("DXT5")) Dxt5Alpha(block, pixels);
      for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t x = bx * 4 + i % 4, y = by * 4 + i / 4;
        if (x >= width || y >= height) continue;
        const Rgba& p = pixels[i];
        std::uint8_t* out = &image.rgba[(y * width + x) * 4];
        out[0] = p.r, out[1] = p.g, out[2] = p.b, out[3] = p.a;
      }
    }
  }
  return image;
}

// One channel of a packed pixel, scaled to 8 bits.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 255;
  const int shift = std::countr_zero(mask);
  const std::uint32_t maximum = mask >> shift;
  return std::uint8_t((std::uint64_t((pixel & mask) >> shift) * 255 + maximum / 2) / maximum);
}

std::optional<Image> DecodeUncompressed(std::string_view bytes, std::string_view data,
                                        std::uint32_t width, std::uint32_t height) {
  const std::uint32_t bits = Word(bytes, 88), flags = Word(bytes, 80);
  if (bits != 16 && bits != 24 && bits != 32) return std::nullopt;
  const std::uint32_t masks[4] = {Word(bytes, 92), Word(bytes, 96), Word(bytes, 100),
                                  (flags & kAlphaPixels) ? Word(bytes, 104) : 0};
  const std::size_t step = bits / 8, pitch = std::size_t(width) * step;
  if (data.size() / pitch < height) return std::nullopt;
  Image image{int(width), int(height), std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
  for (std::size_t i = 0; i < std::size_t(width) * height; ++i) {
    std::uint32_t pixel = 0;
    for (std::size_t k = step; k-- > 0;) pixel = (pixel << 8) | std::uint8_t(data[i * step + k]);
    for (int c = 0; c < 4; ++c) image.rgba[i * 4 + c] = Channel(pixel, masks[c]);
  }
  return image;
}

}  // namespace

bool IsDds(std::string_view bytes) { return bytes.starts_with("DDS "); }

std::optional<Image> DecodeDds(std::string_view bytes) {
  if (!IsDds(bytes) || bytes.size() < kHeaderSize || Word(bytes, 4) != 124) return std::nullopt;
  const std::uint32_t height = Word(bytes, 12), width = Word(bytes, 16);
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  const std::uint32_t flags = Word(bytes, 80), format = Word(bytes, 84);
  const std::string_view data = bytes.substr(kHeaderSize);
  if (flags & kFourCc) {
    if (format != FourCc("DXT1") && format != FourCc("DXT3") && format != FourCc("DXT5")) {
      return std::nullopt;
    }
    return DecodeBlocks(data, width, height, format);
  }
  if (flags & kRgb) return DecodeUncompressed(bytes, data, width, height);
  return std::nullopt;
}

}  // namespace quillmoor
