#pragma once

#include <algorithm>
#include <string_view>

namespace quillmoor {

inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Equal but for the case of ASCII letters.
inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace quillmoor
