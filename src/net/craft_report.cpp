#include "net/craft_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "settings/number_text.h"

namespace quillmoor {

std::string NumberText(double value, int significantDigits) {
  if (value == 0 || !std::isfinite(value)) return "0";
  return GeneralNumberText(value, significantDigits);
}

std::string CraftReport(const Placement& craft) {
  return NumberText(craft.X) + '|' + NumberText(craft.Z) + '|' + NumberText(craft.Angle) + '|';
}

std::optional<double> NumericValue(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  std::string whole, fraction;
  bool point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c >= '0' && c <= '9') {
      (point ? fraction : whole) += c;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (whole.empty() && fraction.empty()) return 0.0;
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  const std::string digits = (whole.empty() ? "0" : whole) + '.' + (fraction.empty() ? "0" : fraction);
  double value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    if (!whole.empty()) return std::nullopt;  // at least 1: too large
    value = 0;                                // too small to tell from 0
  } else if (error != std::errc()) {
    return 0.0;
  }
  return negative ? -value : value;
}

}  // namespace quillmoor
