#include "besttimes/best_times_file.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "besttimes/windows1251.h"
#include "platform/fatal_error.h"
#include "settings/file_error.h"
#include "settings/number_text.h"

namespace quillmoor {

namespace {

constexpr int kLowestCode = 27;  // below it a code is a control character

[[noreturn]] void Fail(const std::filesystem::path& file, const std::string& where,
                       std::string_view text, std::string_view problem) {
  throw FatalError(FileErrorMessage(file, where, text, problem));
}

std::string Join(const std::array<std::string, kBestTimesRows>& fields) {
  std::string payload = fields[0];
  for (std::size_t i = 1; i < fields.size(); ++i) payload += kFieldSeparator + fields[i];
  return payload;
}

std::optional<std::string> Scramble(std::string_view payload) {
  std::string stored;
  for (const char c : payload) {
    const int lowered = int(std::uint8_t(c)) - kTableOffset;
    if (lowered < kLowestCode) return std::nullopt;
    stored += char(lowered);
  }
  return stored + "\r\n";
}

std::string_view WithoutLineEnd(std::string_view bytes) {
  if (bytes.ends_with("\r\n")) {
    bytes.remove_suffix(2);
  } else if (bytes.ends_with('\r') || bytes.ends_with('\n')) {
    bytes.remove_suffix(1);
  }
  return bytes;
}

// The times file keeps a stored comma as it is.
std::optional<std::string> Unscramble(std::string_view bytes, bool keepCommas,
                                      const std::filesystem::path& file) {
  const std::string_view stored = WithoutLineEnd(bytes);
  std::string payload;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (keepCommas && stored[i] == ',') {
      payload += ',';
      continue;
    }
    const int raised = int(std::uint8_t(stored[i])) + kTableOffset;
    if (raised > 255) {
      Fail(file, "знак " + std::to_string(i + 1), stored.substr(i, 1),
           "после дешифрования код больше 255");
    }
    if (raised < kLowestCode) return std::nullopt;
    payload += char(raised);
  }
  return payload;
}

std::vector<std::string_view> Fields(std::string_view payload, const std::filesystem::path& file) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= payload.size(); ++i) {
    if (i == payload.size() || payload[i] == kFieldSeparator) {
      fields.push_back(payload.substr(start, i - start));
      start = i + 1;
    }
  }
  if (fields.size() < std::size_t(kBestTimesRows)) {
    Fail(file, "строка 1", payload,
         "полей " + std::to_string(fields.size()) + ", а нужно " +
             std::to_string(kBestTimesRows));
  }
  return fields;
}

}  // namespace

std::string SingleToText(float value) { return GeneralNumberText(value, 7); }

std::optional<std::string> EncodeNames(const NameRows& names) {
  std::array<std::string, kBestTimesRows> fields;
  for (int row = 1; row <= kBestTimesRows; ++row) {
    std::optional<std::string> name = Utf8ToWindows1251(names[row]);
    // A separator in a name would shift every later name.
    if (!name || name->find(kFieldSeparator) != std::string::npos) return std::nullopt;
    fields[row - 1] = std::move(*name);
  }
  return Scramble(Join(fields));
}

std::optional<std::string> EncodeTimes(const TimeRows& times) {
  std::array<std::string, kBestTimesRows> fields;
  for (int row = 1; row <= kBestTimesRows; ++row) {
    if (!std::isfinite(times[row])) return std::nullopt;
    fields[row - 1] = SingleToText(times[row]);
  }
  return Scramble(Join(fields));
}

std::optional<NameRows> DecodeNames(std::string_view bytes, const std::filesystem::path& file) {
  const std::optional<std::string> payload = Unscramble(bytes, false, file);
  if (!payload) return std::nullopt;
  const std::vector<std::string_view> fields = Fields(*payload, file);
  NameRows names;
  for (int row = 1; row <= kBestTimesRows; ++row) names[row] = Windows1251ToUtf8(fields[row - 1]);
  return names;
}

std::optional<TimeRows> DecodeTimes(std::string_view bytes, const std::filesystem::path& file) {
  const std::optional<std::string> payload = Unscramble(bytes, true, file);
  if (!payload) return std::nullopt;
  const std::vector<std::string_view> fields = Fields(*payload, file);
  TimeRows times{};
  for (int row = 1; row <= kBestTimesRows; ++row) {
    const std::optional<float> time = TextToSingle(fields[row - 1]);
    if (!time) Fail(file, "поле " + std::to_string(row), fields[row - 1], "нужно число");
    times[row] = *time;
  }
  return times;
}

}  // namespace quillmoor
