#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quillmoor {

// The next character of UTF-8 text, taken off its front; nothing (and the
// text left as it is) when the bytes there are not UTF-8: overlong forms,
// surrogates and values above U+10FFFF are not.
std::optional<char32_t> NextCharacter(std::string_view& text);

bool IsUtf8(std::string_view text);

// The bytes of the text's last character; empty text gives empty.
std::string_view LastCharacter(std::string_view text);

// Every character of the text, a byte that starts no character read as U+FFFD.
std::vector<char32_t> Characters(std::string_view text);

}  // namespace quillmoor
