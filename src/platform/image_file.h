#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "platform/read_ahead.h"

namespace quillmoor {

// An image known by its content, whatever the file is called: PNG, BMP,
// JPEG, TGA or DDS (uncompressed, DXT1, DXT3, DXT5; the top level). Nothing
// when the bytes are none of these or are broken.
std::optional<Image> DecodeImage(std::string_view bytes);

// An image read, or why there is none.
struct ImageRead {
  std::optional<Image> image;
  std::string problem;
};

// The same from a file; nothing when it is missing or cannot be read, and
// then stderr says which file and why.
std::optional<Image> ReadImageFile(const std::filesystem::path& file);

// Image files decoded on a thread of their own, a few ahead of their use,
// while the caller does other work: while this lives, ReadImageFile gives
// each of them from here, once.
class ImageFilesAhead {
 public:
  explicit ImageFilesAhead(std::vector<std::filesystem::path> files);

 private:
  ReadAhead<ImageRead> batch_;
};

}  // namespace quillmoor
