#include "settings/file_error.h"

#include <cstdio>

namespace quillmoor {

namespace {

constexpr std::size_t kShownBytes = 40;

std::string Printable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kShownBytes; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  if (text.size() > kShownBytes) out += "…";
  return out;
}

}  // namespace

std::string FileErrorMessage(const std::filesystem::path& file, std::string_view where,
                             std::string_view text, std::string_view problem) {
  std::string message = "Ошибка в файле ";
  message += file.string();
  message += ", ";
  message += where;
  message += ": «";
  message += Printable(text);
  message += "» — ";
  message += problem;
  message += '.';
  return message;
}

}  // namespace quillmoor
