#pragma once

#include <string_view>

namespace quillmoor::sound_file {

// The sounds the game plays, by their files in the Data folder.
inline constexpr std::string_view RaceStart = "s-ac.res";
inline constexpr std::string_view GreenPad = "s-zel.res";
inline constexpr std::string_view RedPad = "s-krasn.res";
inline constexpr std::string_view Engine = "s-s1.res";
inline constexpr std::string_view MenuClick = "s-01.res";
inline constexpr std::string_view MenuHover = "s-dm1.res";
inline constexpr std::string_view MenuMusic = "s-myz.res";
inline constexpr std::string_view RaceMusic = "s-br01.res";

}  // namespace quillmoor::sound_file
