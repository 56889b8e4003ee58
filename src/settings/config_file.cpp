#include "settings/config_file.h"

#include "platform/fatal_error.h"
#include "platform/files.h"
#include "settings/file_error.h"
#include "settings/number_text.h"

namespace quillmoor {

namespace {

template <typename T>
T Convert(const ConfigText& config, int lineNumber, std::optional<T> value,
          std::string_view expected) {
  if (!value) {
    throw FatalError(FileErrorMessage(config.path, "строка " + std::to_string(lineNumber),
                                      config.Text(lineNumber), expected));
  }
  return *value;
}

}  // namespace

std::uint8_t ConfigText::Byte(int lineNumber) const {
  return Convert(*this, lineNumber, TextToByte(Text(lineNumber)),
                 "нужно целое число от 0 до 255");
}

std::int16_t ConfigText::Int16(int lineNumber) const {
  return Convert(*this, lineNumber, TextToInt16(Text(lineNumber)),
                 "нужно целое число от -32768 до 32767");
}

double ConfigText::Double(int lineNumber) const {
  return Convert(*this, lineNumber, TextToDouble(Text(lineNumber)), "нужно число");
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<ConfigText> ReadConfigText(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path, file_limit::Settings);
  if (!bytes) return std::nullopt;
  return ConfigText{path, SplitLines(*bytes)};
}

}  // namespace quillmoor
