#include "settings/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillmoor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// [sign] digits [sep digits] [e [sign] digits], at least one mantissa digit,
// rewritten for std::from_chars: no "+", "." as the separator.
std::optional<std::string> Normalise(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  auto sign = [&] {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      if (text[i] == '-') out += '-';
      ++i;
    }
  };
  auto digits = [&] {
    std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) out += text[i++];
    return i - start;
  };
  sign();
  std::size_t mantissa = digits();
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    out += '.';
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    sign();
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return out;
}

template <typename Int>
std::optional<Int> TextToWhole(std::string_view text, double low, double high) {
  const std::optional<double> value = TextToDouble(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // halves to even
  if (!(rounded >= low && rounded <= high)) return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> TextToDouble(std::string_view text) {
  const std::optional<std::string> plain = Normalise(Trim(text));
  if (!plain) return std::nullopt;
  double value = 0;
  const char* end = plain->data() + plain->size();
  const auto [ptr, error] = std::from_chars(plain->data(), end, value);
  if (error != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::uint8_t> TextToByte(std::string_view text) {
  return TextToWhole<std::uint8_t>(text, 0, 255);
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
  return TextToWhole<std::int16_t>(text, -32768, 32767);
}

std::optional<std::int32_t> TextToInt32(std::string_view text) {
  return TextToWhole<std::int32_t>(text, -2147483648.0, 2147483647.0);
}

std::optional<float> TextToSingle(std::string_view text) {
  const std::optional<double> value = TextToDouble(text);
  if (!value || std::fabs(*value) > 3.4028234663852886e38) return std::nullopt;
  return static_cast<float>(*value);
}

std::string GeneralNumberText(double value, int significantDigits) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                                    significantDigits);
  std::string out(text, result.ptr);
  for (char& c : out) {
    if (c == 'e') c = 'E';
  }
  return out;
}

}  // namespace quillmoor
