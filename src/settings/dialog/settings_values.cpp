#include "settings/dialog/settings_values.h"

#include "settings/config_file.h"
#include "settings/config_writer.h"

namespace quillmoor {

SettingsValues LoadSettings(const std::filesystem::path& configPath) {
  SettingsValues values;
  const std::optional<ConfigText> config = ReadConfigText(configPath);
  if (!config) return values;

  const ConfigText& c = *config;
  if (c.Has(1)) values.DisplayMode = c.Byte(1);
  if (c.Has(2)) values.Port = c.Int16(2);
  if (c.Has(3)) values.HostAddress = c.Text(3);
  if (c.Has(4)) values.OverlayOn = c.Byte(4);
  if (c.Has(5)) values.MusicOn = c.Byte(5);
  if (c.Has(6)) values.MotionBlur = c.Byte(6);
  return values;
}

std::array<std::string, 6> SettingsLines(const SettingsValues& values) {
  return {std::to_string(values.DisplayMode),
          std::to_string(values.Port),
          values.HostAddress,
          std::to_string(values.OverlayOn),
          std::to_string(values.MusicOn),
          std::to_string(values.MotionBlur)};
}

void SaveSettings(const std::filesystem::path& configPath, const SettingsValues& values) {
  const std::array<std::string, 6> lines = SettingsLines(values);
  WriteConfigFile(configPath, lines);
}

BoxState StateOf(BoxMeaning meaning, std::uint8_t value) {
  if (value == meaning.ticked) return BoxState::Ticked;
  if (value == meaning.cleared) return BoxState::Cleared;
  return BoxState::Grey;
}

std::uint8_t ValueOf(BoxMeaning meaning, BoxState state, std::uint8_t value) {
  switch (state) {
    case BoxState::Ticked:
      return meaning.ticked;
    case BoxState::Cleared:
      return meaning.cleared;
    case BoxState::Grey:
      break;
  }
  return value;
}

}  // namespace quillmoor
