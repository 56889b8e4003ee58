#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmoor {

// Text as the best-times files store it: one byte per character in the
// Windows-1251 code page. In memory text is UTF-8.

// Nothing when a character has no code in Windows-1251 or the UTF-8 is broken.
std::optional<std::string> Utf8ToWindows1251(std::string_view utf8);

// Every byte has a character; 0x98, unassigned, becomes U+0098.
std::string Windows1251ToUtf8(std::string_view bytes);

}  // namespace quillmoor
