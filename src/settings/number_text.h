#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmoor {

// Text to number as the game's files have always been read: blanks around
// the number are allowed, "." or "," is the decimal separator, an exponent
// may follow. Nothing else converts (empty text neither).
std::optional<double> TextToDouble(std::string_view text);

// The same, rounded to the nearest whole number with halves to the even
// neighbour ("2.5" gives 2, "3.5" gives 4), then checked against the range.
std::optional<std::uint8_t> TextToByte(std::string_view text);
std::optional<std::int16_t> TextToInt16(std::string_view text);
std::optional<std::int32_t> TextToInt32(std::string_view text);

// A double rounded to single precision, for single-valued fields.
std::optional<float> TextToSingle(std::string_view text);

// Number to text in the usual short form: up to the given significant
// digits, no trailing zeros, "." as the separator, "1E-05" and "1E+07" for
// very small and large ("%.*G" in the C locale).
std::string GeneralNumberText(double value, int significantDigits);

}  // namespace quillmoor
