#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace quillmoor {

// Config.ini's text: every line followed by CR LF, the last one too.
std::string ConfigFileText(std::span<const std::string> lines);

// Replaces the file with the lines through a temporary file in the same
// folder, so a failure leaves the old file whole. Throws FatalError naming
// the file when the folder is missing or the file cannot be written.
void WriteConfigFile(const std::filesystem::path& path, std::span<const std::string> lines);

}  // namespace quillmoor
