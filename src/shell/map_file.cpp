#include "shell/map_file.h"

#include <string>

#include "platform/fatal_error.h"
#include "settings/file_error.h"
#include "settings/number_text.h"

namespace quillmoor {

namespace {

constexpr char kRecordSeparator = 30;
constexpr char kUnitSeparator = 31;

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

std::string RecordName(std::int32_t record) { return "запись " + std::to_string(record); }

[[noreturn]] void Fail(const std::filesystem::path& file, const std::string& where,
                       std::string_view text, std::string_view problem) {
  throw FatalError(FileErrorMessage(file, where, text, problem));
}

}  // namespace

MapState ParseMap(std::string_view text, const std::filesystem::path& file) {
  const std::vector<std::string_view> records = Split(text, kRecordSeparator);
  const std::optional<std::int32_t> count = TextToInt32(records[0]);
  if (!count) Fail(file, RecordName(0), records[0], "нужно число площадок");
  if (*count > kMaxMapObjects) {
    Fail(file, RecordName(0), records[0], "площадок больше 20000");
  }

  MapState map;
  map.MapObjectCount = *count;
  if (*count <= 0) return map;
  if (records.size() <= std::size_t(*count)) {
    Fail(file, RecordName(std::int32_t(records.size())), "",
         "записей меньше, чем площадок (" + std::to_string(*count) + ")");
  }

  map.MapObjects.resize(std::size_t(*count) + 1);
  for (std::int32_t i = 1; i <= *count; ++i) {
    const std::vector<std::string_view> fields = Split(records[i], kUnitSeparator);
    if (fields.size() < 3) Fail(file, RecordName(i), records[i], "нужно три поля");
    float values[3];
    for (int f = 0; f < 3; ++f) {
      const std::optional<float> value = TextToSingle(fields[f]);
      if (!value) {
        Fail(file, RecordName(i) + ", поле " + std::to_string(f + 1), fields[f], "нужно число");
      }
      values[f] = *value;
    }
    MapObject& pad = map.MapObjects[i];
    pad.Dist = values[0];
    pad.Kind = values[1];
    pad.Angle = values[2];
    pad.AngleNorm = pad.Angle < 0 ? pad.Angle + 360.0f : pad.Angle;
  }
  return map;
}

}  // namespace quillmoor
