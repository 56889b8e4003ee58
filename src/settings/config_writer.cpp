#include "settings/config_writer.h"

#include <system_error>

#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

std::string ConfigFileText(std::span<const std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void WriteConfigFile(const std::filesystem::path& path, std::span<const std::string> lines) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    throw FatalError("Не найдена папка " + folder.string() + ", файл " + path.filename().string() +
                     " не записан.");
  }
  // The rename would replace a file marked read-only: honour the mark.
  if (IsMarkedReadOnly(path)) {
    throw FatalError("Файл " + path.string() + " защищён от записи.");
  }
  WriteFileAtomically(path, ConfigFileText(lines));
}

}  // namespace quillmoor
