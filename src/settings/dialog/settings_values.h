#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quillmoor {

// The six settings of Config.ini as Настройка holds them, with its own
// defaults (line 4 on, unlike the game's).
struct SettingsValues {
  std::uint8_t DisplayMode = 1;  // 1 window, 2 full screen
  std::int16_t Port = 5002;
  std::string HostAddress = "192.168.0.1";  // bytes as stored
  std::uint8_t OverlayOn = 1;
  std::uint8_t MusicOn = 1;
  std::uint8_t MotionBlur = 0;  // read as a byte, not as the game's flag

  bool operator==(const SettingsValues&) const = default;
};

// The defaults overlaid with the lines the file has; no file, no change.
// Throws FatalError naming the file, line and text of a bad number.
SettingsValues LoadSettings(const std::filesystem::path& configPath);

// The six lines to write, numbers in plain decimal, line 3 as read.
std::array<std::string, 6> SettingsLines(const SettingsValues& values);

// Writes Config.ini whole or not at all. Throws FatalError.
void SaveSettings(const std::filesystem::path& configPath, const SettingsValues& values);

// A check box stands for one byte setting: one value ticks it, one clears
// it, every other value shows it grey and is kept as it is.
enum class BoxState { Cleared, Ticked, Grey };

struct BoxMeaning {
  std::uint8_t ticked;
  std::uint8_t cleared;
};

inline constexpr BoxMeaning kDisplayModeBox{2, 1};
inline constexpr BoxMeaning kMusicOnBox{1, 0};
inline constexpr BoxMeaning kMotionBlurBox{1, 0};

BoxState StateOf(BoxMeaning meaning, std::uint8_t value);
// The value a box's state stands for; grey leaves the value unchanged.
std::uint8_t ValueOf(BoxMeaning meaning, BoxState state, std::uint8_t value);

}  // namespace quillmoor
