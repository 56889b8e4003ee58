#pragma once

#include <string>
#include <string_view>

namespace quillmoor {

// A .X file's bytes to the parser's reply (see ModelReply): the model, or
// why the file gives none. Runs in the parser process.
std::string ParseXFile(std::string_view bytes);

}  // namespace quillmoor
