#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/graphics.h"

namespace quillmoor {

// Faces [first, first + count) of the index list, three indices each.
struct Subset {
  std::uint32_t firstIndex = 0;
  std::uint32_t indexCount = 0;
  bool operator==(const Subset&) const = default;
};

// A model as a .X file gives it: every mesh of the file in one, frame
// transforms applied, in the file's own left-handed coordinates. Subset j
// holds the faces of material j; a file without materials has one subset
// and no materials.
struct ModelGeometry {
  std::vector<WorldVertex> vertices;
  std::vector<std::uint32_t> indices;
  std::vector<Subset> subsets;
  std::vector<Material> materials;  // as stored: Ambient left at zero
};

// Reads a text, binary or compressed .X file. The parser runs in a child
// process, so a file that would crash it is only a file that cannot be read.
// Nothing when the file is missing or cannot be read.
std::optional<ModelGeometry> ReadXFile(const std::filesystem::path& file);

// The same from bytes already in memory.
std::optional<ModelGeometry> ReadXBytes(std::string_view bytes);

}  // namespace quillmoor
