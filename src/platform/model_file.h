#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics.h"
#include "platform/read_ahead.h"

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

// The parser process's reply: kReplyModel and the model as ModelReply
// writes it (four counts, then the arrays as they lie), or kReplyError and
// why there is none.
inline constexpr char kReplyModel = 'M', kReplyError = 'E';
std::string ModelReply(const ModelGeometry& model);

// The parser process's reply for a model, checked to hold together (every
// index names a vertex, subsets lie within the indices); nothing when it
// does not. The parent trusts nothing the child sends.
std::optional<ModelGeometry> ModelFromReply(std::string_view bytes);

// A model read, or why there is none.
struct ModelRead {
  std::optional<ModelGeometry> model;
  std::string problem;
};

// Reads text, binary and compressed .X files. The parser runs in a child
// process, started with the first file and kept for the next, so a file
// that would crash it or hang it is only a file that cannot be read.
class XFileReader {
 public:
  XFileReader() = default;
  ~XFileReader();
  XFileReader(const XFileReader&) = delete;
  XFileReader& operator=(const XFileReader&) = delete;

  // Nothing when the file is missing or cannot be read; then stderr says
  // which file and why.
  std::optional<ModelGeometry> ReadFile(const std::filesystem::path& file);
  std::optional<ModelGeometry> ReadBytes(std::string_view bytes);

 private:
  friend class ModelFilesAhead;

  ModelRead ReadFromDisk(const std::filesystem::path& file);
  ModelRead Parse(std::string_view bytes);
  bool Start();
  void Stop();

  int pid_ = -1;
  int channel_ = -1;  // our end of a socket pair with the child
};

// .X files read on a thread of their own while the caller does other work,
// by a parser started at once, while the process is still small: while this
// lives, every XFileReader gives each of them from here, once.
class ModelFilesAhead {
 public:
  explicit ModelFilesAhead(std::vector<std::filesystem::path> files);

 private:
  XFileReader reader_;
  std::optional<ReadAhead<ModelRead>> batch_;  // after the reader, which its thread uses
};

}  // namespace quillmoor
