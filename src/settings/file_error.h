#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillmoor {

// "Ошибка в файле <file>, <where>: «<text>» — <problem>." with the text
// shortened and its control and non-ASCII bytes shown as \xNN.
std::string FileErrorMessage(const std::filesystem::path& file, std::string_view where,
                             std::string_view text, std::string_view problem);

}  // namespace quillmoor
