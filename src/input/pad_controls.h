#pragma once

#include <string_view>

namespace quillmoor {

// The pad controls that point the four ways in menus and the name box:
// the d-pad and the left stick's halves.
inline bool IsPadUp(std::string_view control) { return control == "dpup" || control == "lefty-"; }
inline bool IsPadDown(std::string_view control) {
  return control == "dpdown" || control == "lefty+";
}
inline bool IsPadLeft(std::string_view control) {
  return control == "dpleft" || control == "leftx-";
}
inline bool IsPadRight(std::string_view control) {
  return control == "dpright" || control == "leftx+";
}

}  // namespace quillmoor
