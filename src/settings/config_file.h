#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmoor {

// Config.ini: six lines whose meaning is their number. Both programs read it
// the same way; each applies its own defaults and reads line 6 its own way.
struct ConfigText {
  std::filesystem::path path;
  std::vector<std::string> lines;  // line n is lines[n - 1]

  // Each conversion throws FatalError naming the file, line and text.
  std::uint8_t Byte(int lineNumber) const;
  std::int16_t Int16(int lineNumber) const;
  double Double(int lineNumber) const;
  // The line unchanged, bytes as stored.
  const std::string& Text(int lineNumber) const { return lines.at(lineNumber - 1); }
  bool Has(int lineNumber) const { return lineNumber >= 1 && lineNumber <= int(lines.size()); }
};

// The file's lines, or nothing when there is no such file. A line ends at
// CR LF, CR or LF; a last line without an end counts too.
std::optional<ConfigText> ReadConfigText(const std::filesystem::path& path);

std::vector<std::string> SplitLines(std::string_view text);

}  // namespace quillmoor
