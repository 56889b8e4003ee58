#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmoor {

struct FontMatch {
  std::string file;
  std::string family;
};

// The system's best match for a fontconfig pattern such as "Arial:bold",
// looked up with a configuration of our own that is freed afterwards, so
// nothing of fontconfig stays behind; the answer is kept for the next ask of
// the same pattern. Nothing when there is none.
std::optional<FontMatch> MatchFont(std::string_view pattern);

}  // namespace quillmoor
