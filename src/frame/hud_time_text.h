#pragma once

#include <string>

namespace quillmoor {

// A time in seconds with two decimals ("0.00"), halves away from zero and
// "." as the separator.
std::string TimeText(float seconds);

// A difference to the ghost: "-0.84" ahead, "+1.20" behind, "0.00" level.
std::string SplitText(float delta);

// The race clock as the race display shows it: the time's usual text, seven
// significant digits, given two decimals in turn. That rounds twice, so
// 1.0049999 reads "1.01" here and "1.00" in TimeText.
std::string RaceClockText(float seconds);

}  // namespace quillmoor
