#include "platform/utf8.h"

#include <cstdint>

namespace quillmoor {

std::optional<char32_t> NextCharacter(std::string_view& text) {
  const auto byte = [&](std::size_t i) { return std::uint8_t(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    length = 1, c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kShortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  text.remove_prefix(length);
  return c;
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    if (!NextCharacter(text)) return false;
  }
  return true;
}

std::vector<char32_t> Characters(std::string_view text) {
  std::vector<char32_t> characters;
  while (!text.empty()) {
    if (const std::optional<char32_t> c = NextCharacter(text)) {
      characters.push_back(*c);
    } else {
      characters.push_back(0xFFFD);
      text.remove_prefix(1);
    }
  }
  return characters;
}

std::string_view LastCharacter(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0) {
    --start;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
  }
  return text.substr(start);
}

}  // namespace quillmoor
