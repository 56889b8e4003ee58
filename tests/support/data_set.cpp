#include "support/data_set.h"

#include <system_error>

namespace quillmoor::test {

namespace {

// Models, images and sounds, the generated ones, linked rather than copied.
bool IsModelImageOrSound(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  return name.starts_with("t-") || name.starts_with("i-") || name.starts_with("s-") ||
         file.extension() == ".x" || file.extension() == ".X";
}

}  // namespace

std::filesystem::path GeneratedData() { return QUILLMOOR_DATA_DIR; }

void WriteDataSet(const TempDir& dir, std::string_view map, const NameRows& names,
                  const TimeRows& times) {
  const std::filesystem::path data = dir.path() / "Data";
  std::filesystem::create_directories(data);
  for (const auto& entry : std::filesystem::directory_iterator(GeneratedData())) {
    if (!IsModelImageOrSound(entry.path())) continue;
    std::error_code exists;
    std::filesystem::remove(data / entry.path().filename(), exists);
    std::filesystem::create_symlink(entry.path(), data / entry.path().filename());
  }
  dir.Write("Data/map.res", map);
  dir.Write("Data/Ch1.res", EncodeNames(names).value());
  dir.Write("Data/Ch2.res", EncodeTimes(times).value());
}

}  // namespace quillmoor::test
