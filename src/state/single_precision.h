#pragma once

namespace quillmoor {

// The game's arithmetic rule: every value is stored as a single, and each
// expression is worked in double (its constants, like 0.1, are doubles) and
// rounded to single once, where its result is stored. Writing the double
// conversions out in the expression keeps that order visible.
inline float Single(double value) { return static_cast<float>(value); }

}  // namespace quillmoor
