#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "state/best_times_state.h"

namespace quillmoor {

// Ch1.res holds the four names, Ch2.res the four times. Each file is one
// line: the fields joined by char 30, every byte lowered by kTableOffset,
// then CR LF. Names are Windows-1251 on disk.

inline constexpr int kTableOffset = 3;
inline constexpr char kFieldSeparator = 30;

using NameRows = std::array<std::string, kBestTimesRows + 1>;  // rows 1..4, UTF-8
using TimeRows = std::array<float, kBestTimesRows + 1>;        // rows 1..4

// A single as the times file stores it: up to seven significant digits,
// "." as the separator, "1E-05" and "1.234568E+07" for very small and large.
std::string SingleToText(float value);

// The bytes of Ch1.res and Ch2.res. Nothing when a character cannot be
// stored: no Windows-1251 code, a control character, or (names) the
// separator itself; (times) a time that is not finite.
std::optional<std::string> EncodeNames(const NameRows& names);
std::optional<std::string> EncodeTimes(const TimeRows& times);

// Rows 1..4 from the bytes of Ch1.res and Ch2.res; one line end (CR LF, CR
// or LF) is taken off the end first. Nothing when a stored byte decodes to
// a control character: the file cannot be read and the table stays empty.
// Throws FatalError naming the file when a stored byte decodes above 255,
// there are fewer than four fields or (times) a field is not a number.
// Fields after the fourth are ignored.
std::optional<NameRows> DecodeNames(std::string_view bytes, const std::filesystem::path& file);
std::optional<TimeRows> DecodeTimes(std::string_view bytes, const std::filesystem::path& file);

}  // namespace quillmoor
