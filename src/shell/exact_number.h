#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace quillmoor {

// The number the whole text spells, in C locale form; nothing when the text
// is empty, holds anything else or is out of the type's range.
template <typename T>
std::optional<T> ExactNumber(std::string_view text) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace quillmoor
