#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmoor {

// What the player can do, each with its keys and pad controls.
enum class Action : std::uint8_t {
  Accelerate, Brake, Left, Right, Pause, Camera, Restart, FullScreen, Ghost
};
inline constexpr std::size_t kActionCount = 9;
inline constexpr std::array<Action, kActionCount> kActions = {
    Action::Accelerate, Action::Brake,   Action::Left,       Action::Right, Action::Pause,
    Action::Camera,     Action::Restart, Action::FullScreen, Action::Ghost};

// The word in the controls file: "accelerate", "full-screen".
std::string_view ActionName(Action action);
// The caption players read: "Газ", "Полный экран".
std::string_view ActionTitle(Action action);
// The game's key the action holds in the simulation: W for accelerate, and
// so on. Full screen has one of its own that only the window reads.
int ActionGameKey(Action action);

// A key by its place on the keyboard, in classic virtual-key codes ('W' is
// the key where a US layout has W), with Alt held or not. Key 0 is none.
struct KeyChord {
  int key = 0;
  bool alt = false;
  bool operator==(const KeyChord&) const = default;
};

// Pad controls by SDL's names: buttons ("a", "start", "dpleft"), the
// triggers ("righttrigger") and the stick halves ("leftx-", "lefty+").
struct ActionBinding {
  std::array<KeyChord, 2> keys{};
  std::array<std::string, 2> pad{};
  bool operator==(const ActionBinding&) const = default;
};
using Bindings = std::array<ActionBinding, kActionCount>;

const Bindings& DefaultBindings();

// "W", "Up", "F11", "Space"; nothing for a key without a name.
std::optional<int> KeyByName(std::string_view name);
std::string KeyName(int key);
// "Alt+Return"; empty for no key.
std::string ChordName(KeyChord chord);
std::optional<KeyChord> ChordByName(std::string_view name);
bool IsPadControl(std::string_view name);
// SDL's names of a pad's buttons ("a", "dpleft") and axes ("leftx",
// "righttrigger"), as its events carry them.
bool IsPadButtonName(std::string_view name);
bool IsPadAxisName(std::string_view name);
// Every pad control name, buttons first.
const std::vector<std::string_view>& PadControlNames();

inline constexpr std::string_view kControlsFile = "quillmoor.ini";

// The controls file in the player's config folder, beside Config.ini.
inline std::filesystem::path ControlsFileIn(const std::filesystem::path& configFolder) {
  return configFolder / std::string(kControlsFile);
}

// The game's other settings in the same file.
struct GameOptions {
  bool interpolation = true;  // "interpolation = on|off"
  bool ghost = true;          // "ghosts = on|off": the best run rides along
  bool operator==(const GameOptions&) const = default;
};

struct ControlsRead {
  Bindings bindings;
  GameOptions options;
  std::vector<std::string> problems;  // one line each, naming file and line
};

// One line an action: "accelerate = W, Up | righttrigger, a", and one a
// setting. Actions and settings not named, and lines that make no sense,
// keep their defaults.
ControlsRead ParseControls(std::string_view text, const std::filesystem::path& file);
std::string ControlsText(const Bindings& bindings, const GameOptions& options = {});

// The defaults when there is no file.
ControlsRead ReadControlsFile(const std::filesystem::path& file);
// Atomic, keeping the file's other settings; throws FatalError when it
// cannot be written.
void WriteControlsFile(const std::filesystem::path& file, const Bindings& bindings);

}  // namespace quillmoor
