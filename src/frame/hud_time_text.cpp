#include "frame/hud_time_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillmoor {

namespace {

// Beyond this a time has no fraction worth rounding and is printed as it is.
constexpr double kLargestCents = 1e15;

std::string Fixed2(double value) {
  char text[400];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
  return std::string(text, end);
}

std::string CentsText(bool negative, std::int64_t cents) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", negative && cents != 0 ? "-" : "",
                static_cast<long long>(cents / 100), static_cast<long long>(cents % 100));
  return text;
}

std::int64_t Power10(int exponent) {
  std::int64_t power = 1;
  while (exponent-- > 0) power *= 10;
  return power;
}

}  // namespace

std::string TimeText(float seconds) {
  // A single times 100 is exact in a double, so the rounding sees the true value.
  const double cents = std::round(std::abs(double(seconds)) * 100);
  if (!(cents < kLargestCents)) return Fixed2(seconds);
  return CentsText(seconds < 0, static_cast<std::int64_t>(cents));
}

std::string SplitText(float delta) {
  const std::string size = TimeText(std::abs(delta));
  if (size == "0.00") return size;
  return (delta < 0 ? "-" : "+") + size;
}

std::string RaceClockText(float seconds) {
  if (!std::isfinite(seconds) || std::abs(double(seconds)) * 100 >= kLargestCents) {
    return Fixed2(seconds);
  }
  // Seven significant digits as "d.dddddde±x": a 7-digit whole number and a
  // power of ten, rounded to hundredths in decimal.
  char text[32];
  const auto end =
      std::to_chars(text, text + sizeof text, std::abs(seconds), std::chars_format::scientific, 6)
          .ptr;
  *end = '\0';
  char* exponentMark = nullptr;
  const std::int64_t whole = std::strtoll(text, &exponentMark, 10);
  const std::int64_t digits = std::strtoll(exponentMark + 1, &exponentMark, 10);
  const std::int64_t mantissa = whole * 1'000'000 + digits;
  const int shift = static_cast<int>(std::strtol(exponentMark + 1, nullptr, 10)) - 4;
  std::int64_t cents = 0;
  if (shift >= 0) {
    cents = mantissa * Power10(shift);
  } else if (shift > -18) {
    const std::int64_t divisor = Power10(-shift);
    cents = (mantissa + divisor / 2) / divisor;
  }
  return CentsText(seconds < 0, cents);
}

}  // namespace quillmoor
