#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "state/placement.h"

namespace quillmoor {

// A number in its usual short text: up to the given significant digits, no
// trailing zeros, "." as separator, exponent form for very large or small.
std::string NumberText(double value, int significantDigits);
inline std::string NumberText(float value) { return NumberText(double(value), 7); }

// The message a copy of the game sends about its craft: "X|Z|Angle|".
std::string CraftReport(const Placement& craft);

// The numeric value of a field: leading blanks skipped, an optional sign,
// digits and one ".", up to the first other character; 0 without digits.
// Nothing when the value is too large for a double.
std::optional<double> NumericValue(std::string_view text);

}  // namespace quillmoor
