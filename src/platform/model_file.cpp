#include "platform/model_file.h"

#include <cstring>
#include <type_traits>

#include "platform/files.h"

namespace quillmoor {

namespace {

template <typename T>
bool TakeArray(std::string_view& in, std::uint64_t count, std::vector<T>& items) {
  if (count > in.size() / sizeof(T)) return false;
  items.resize(count);
  if (count > 0) std::memcpy(items.data(), in.data(), count * sizeof(T));
  in.remove_prefix(count * sizeof(T));
  return true;
}

// Every index names a vertex, every subset lies within the indices, and
// materials, when there are any, go one to a subset.
bool HoldsTogether(const ModelGeometry& model) {
  for (const std::uint32_t index : model.indices) {
    if (index >= model.vertices.size()) return false;
  }
  for (const Subset& subset : model.subsets) {
    if (std::uint64_t(subset.firstIndex) + subset.indexCount > model.indices.size()) return false;
  }
  return model.materials.empty() || model.materials.size() == model.subsets.size();
}

template <typename T>
void AppendArray(std::string& out, const std::vector<T>& items) {
  static_assert(std::is_trivially_copyable_v<T>);
  out.append(reinterpret_cast<const char*>(items.data()), items.size() * sizeof(T));
}

}  // namespace

std::string ModelReply(const ModelGeometry& model) {
  const std::uint64_t counts[] = {model.vertices.size(), model.indices.size(),
                                  model.subsets.size(), model.materials.size()};
  std::string out(reinterpret_cast<const char*>(counts), sizeof counts);
  AppendArray(out, model.vertices);
  AppendArray(out, model.indices);
  AppendArray(out, model.subsets);
  AppendArray(out, model.materials);
  return out;
}

std::optional<ModelGeometry> ModelFromReply(std::string_view in) {
  std::uint64_t counts[4];
  if (in.size() < sizeof counts) return std::nullopt;
  std::memcpy(counts, in.data(), sizeof counts);
  in.remove_prefix(sizeof counts);
  ModelGeometry model;
  if (!TakeArray(in, counts[0], model.vertices) || !TakeArray(in, counts[1], model.indices) ||
      !TakeArray(in, counts[2], model.subsets) || !TakeArray(in, counts[3], model.materials) ||
      !in.empty() || !HoldsTogether(model)) {
    return std::nullopt;
  }
  return model;
}

std::optional<ModelGeometry> XFileReader::ReadBytes(std::string_view bytes) {
  return Parse(bytes).model;
}

std::optional<ModelGeometry> XFileReader::ReadFile(const std::filesystem::path& file) {
  std::optional<ModelRead> read = ReadAhead<ModelRead>::Take(file);
  if (!read) read = ReadFromDisk(file);
  if (!read->model) ReportUnreadFile("Модель", file, read->problem);
  return std::move(read->model);
}

ModelRead XFileReader::ReadFromDisk(const std::filesystem::path& file) {
  const FileBytes read = ReadFileOrSayWhy(file, "нет такого файла");
  if (!read.bytes) return {std::nullopt, read.problem};
  return Parse(*read.bytes);
}

ModelFilesAhead::ModelFilesAhead(std::vector<std::filesystem::path> files) {
  reader_.Start();  // on this thread; failing, the first file tries again
  batch_.emplace(std::move(files),
                 [this](const std::filesystem::path& file) { return reader_.ReadFromDisk(file); });
}

}  // namespace quillmoor
