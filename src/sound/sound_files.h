#pragma once

#include <array>
#include <string_view>

#include "platform/sound.h"

namespace quillmoor::sound_file {

// The sounds the game plays, by their files in the Data folder.
inline constexpr std::string_view RaceStart = "s-ac.res";
inline constexpr std::string_view GreenPad = "s-zel.res";
inline constexpr std::string_view RedPad = "s-krasn.res";
inline constexpr std::string_view Engine = "s-s1.res";
inline constexpr std::string_view Unused = "s-zap1.res";
inline constexpr std::string_view MenuClick = "s-01.res";
inline constexpr std::string_view MenuHover = "s-dm1.res";
inline constexpr std::string_view Positional = "s-razg.res";
inline constexpr std::string_view MenuMusic = "s-myz.res";
inline constexpr std::string_view RaceMusic = "s-br01.res";

struct Entry {
  std::string_view file;
  SoundControl control;
};

// Every sound, in the order they are loaded.
inline constexpr std::array<Entry, 10> kAll = {{
    {RaceStart, SoundControl::Volume},
    {GreenPad, SoundControl::Frequency},
    {RedPad, SoundControl::Frequency},
    {Engine, SoundControl::Frequency},
    {Unused, SoundControl::Frequency},
    {MenuClick, SoundControl::Frequency},
    {MenuHover, SoundControl::Frequency},
    {Positional, SoundControl::Positional},
    {MenuMusic, SoundControl::Volume},
    {RaceMusic, SoundControl::Volume},
}};

}  // namespace quillmoor::sound_file
