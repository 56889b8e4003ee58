#include "settings/controls.h"

#include <algorithm>

#include "platform/ascii_text.h"
#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

namespace {

struct NamedKey {
  std::string_view name;
  int key;
};

// Keys that are not a letter or a digit.
constexpr NamedKey kNamedKeys[] = {
    {"Backspace", 0x08}, {"Tab", 0x09},        {"Return", 0x0D},    {"Shift", 0x10},
    {"Control", 0x11},   {"Pause", 0x13},      {"CapsLock", 0x14},  {"Escape", 0x1B},
    {"Space", 0x20},     {"PageUp", 0x21},     {"PageDown", 0x22},  {"End", 0x23},
    {"Home", 0x24},      {"Left", 0x25},       {"Up", 0x26},        {"Right", 0x27},
    {"Down", 0x28},      {"Insert", 0x2D},     {"Delete", 0x2E},    {"Keypad0", 0x60},
    {"Keypad1", 0x61},   {"Keypad2", 0x62},    {"Keypad3", 0x63},   {"Keypad4", 0x64},
    {"Keypad5", 0x65},   {"Keypad6", 0x66},    {"Keypad7", 0x67},   {"Keypad8", 0x68},
    {"Keypad9", 0x69},   {"KeypadMultiply", 0x6A}, {"KeypadPlus", 0x6B},
    {"KeypadMinus", 0x6D}, {"KeypadPeriod", 0x6E}, {"KeypadDivide", 0x6F},
    {"F1", 0x70},        {"F2", 0x71},         {"F3", 0x72},        {"F4", 0x73},
    {"F5", 0x74},        {"F6", 0x75},         {"F7", 0x76},        {"F8", 0x77},
    {"F9", 0x78},        {"F10", 0x79},        {"F11", 0x7A},       {"F12", 0x7B},
    {"Semicolon", 0xBA}, {"Equals", 0xBB},     {"Comma", 0xBC},     {"Minus", 0xBD},
    {"Period", 0xBE},    {"Slash", 0xBF},      {"Grave", 0xC0},     {"LeftBracket", 0xDB},
    {"Backslash", 0xDC}, {"RightBracket", 0xDD}, {"Apostrophe", 0xDE},
};

constexpr std::ptrdiff_t kPadButtonCount = 21;  // the first names of PadControlNames

constexpr int kReturn = 0x0D, kEscape = 0x1B, kLeft = 0x25, kUp = 0x26, kRight = 0x27,
              kDown = 0x28, kF11 = 0x7A;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The comma-separated items, at most two; nothing when there are more.
std::optional<std::vector<std::string_view>> Items(std::string_view list) {
  std::vector<std::string_view> items;
  list = Trim(list);
  if (list.empty()) return items;
  for (std::size_t start = 0;;) {
    const std::size_t comma = list.find(',', start);
    items.push_back(Trim(list.substr(start, comma == list.npos ? list.npos : comma - start)));
    if (comma == list.npos) break;
    start = comma + 1;
  }
  if (items.size() > 2) return std::nullopt;
  return items;
}

// Why the right-hand side of a line makes no sense, or nothing when it does.
std::optional<std::string> ParseBinding(std::string_view value, ActionBinding& binding) {
  const std::size_t bar = value.find('|');
  const auto keys = Items(value.substr(0, bar));
  const auto pads = Items(bar == value.npos ? std::string_view() : value.substr(bar + 1));
  if (!keys) return "больше двух клавиш";
  if (!pads) return "больше двух кнопок пульта";
  ActionBinding parsed;
  for (std::size_t i = 0; i < keys->size(); ++i) {
    const std::optional<KeyChord> chord = ChordByName((*keys)[i]);
    if (!chord) return "нет клавиши «" + std::string((*keys)[i]) + "»";
    parsed.keys[i] = *chord;
  }
  for (std::size_t i = 0; i < pads->size(); ++i) {
    if (!IsPadControl((*pads)[i])) return "нет кнопки пульта «" + std::string((*pads)[i]) + "»";
    parsed.pad[i] = std::string((*pads)[i]);
  }
  binding = parsed;
  return std::nullopt;
}

// The settings that are on or off, by their words in the file.
struct NamedSwitch {
  std::string_view name;
  bool GameOptions::*setting;
};
constexpr NamedSwitch kSwitches[] = {{"interpolation", &GameOptions::interpolation},
                                     {"ghosts", &GameOptions::ghost}};

bool* Switch(GameOptions& options, std::string_view name) {
  for (const NamedSwitch& named : kSwitches) {
    if (SameIgnoringCase(name, named.name)) return &(options.*named.setting);
  }
  return nullptr;
}

}  // namespace

std::string_view ActionName(Action action) {
  static constexpr std::string_view kNames[] = {"accelerate", "brake",  "left",    "right",
                                                "pause",      "camera", "restart", "full-screen",
                                                "ghost"};
  return kNames[std::size_t(action)];
}

std::string_view ActionTitle(Action action) {
  static constexpr std::string_view kTitles[] = {"Газ",   "Тормоз", "Влево",  "Вправо",
                                                 "Пауза", "Камера", "Заново", "Полный экран",
                                                 "Призрак"};
  return kTitles[std::size_t(action)];
}

int ActionGameKey(Action action) {
  static constexpr int kKeys[] = {'W', 'S', 'A', 'D', kEscape, kReturn, 'R', kF11, 'G'};
  return kKeys[std::size_t(action)];
}

const Bindings& DefaultBindings() {
  static const Bindings defaults = {{
      {{KeyChord{'W'}, KeyChord{kUp}}, {"righttrigger", "a"}},
      {{KeyChord{'S'}, KeyChord{kDown}}, {"lefttrigger", "b"}},
      {{KeyChord{'A'}, KeyChord{kLeft}}, {"leftx-", "dpleft"}},
      {{KeyChord{'D'}, KeyChord{kRight}}, {"leftx+", "dpright"}},
      {{KeyChord{kEscape}, KeyChord{}}, {"start", ""}},
      {{KeyChord{kReturn}, KeyChord{}}, {"y", ""}},
      {{KeyChord{'R'}, KeyChord{}}, {"back", ""}},
      {{KeyChord{kF11}, KeyChord{kReturn, true}}, {"", ""}},
      {{KeyChord{'G'}, KeyChord{}}, {"x", ""}},
  }};
  return defaults;
}

std::optional<int> KeyByName(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  }
  for (const NamedKey& named : kNamedKeys) {
    if (SameIgnoringCase(named.name, name)) return named.key;
  }
  return std::nullopt;
}

std::string KeyName(int key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  for (const NamedKey& named : kNamedKeys) {
    if (named.key == key) return std::string(named.name);
  }
  return "";
}

std::string ChordName(KeyChord chord) {
  const std::string name = KeyName(chord.key);
  if (name.empty()) return "";
  return chord.alt ? "Alt+" + name : name;
}

std::optional<KeyChord> ChordByName(std::string_view name) {
  KeyChord chord;
  if (name.size() > 4 && SameIgnoringCase(name.substr(0, 4), "alt+")) {
    chord.alt = true;
    name.remove_prefix(4);
  }
  const std::optional<int> key = KeyByName(name);
  if (!key) return std::nullopt;
  chord.key = *key;
  return chord;
}

const std::vector<std::string_view>& PadControlNames() {
  static const std::vector<std::string_view> names = {
      "a",       "b",        "x",         "y",          "back",         "guide",
      "start",   "leftstick", "rightstick", "leftshoulder", "rightshoulder", "dpup",
      "dpdown",  "dpleft",   "dpright",   "misc1",      "paddle1",      "paddle2",
      "paddle3", "paddle4",  "touchpad",  "leftx-",     "leftx+",       "lefty-",
      "lefty+",  "rightx-",  "rightx+",   "righty-",    "righty+",      "lefttrigger",
      "righttrigger"};
  return names;
}

bool IsPadControl(std::string_view name) {
  const auto& names = PadControlNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsPadButtonName(std::string_view name) {
  const auto& names = PadControlNames();
  return std::find(names.begin(), names.begin() + kPadButtonCount, name) !=
         names.begin() + kPadButtonCount;
}

bool IsPadAxisName(std::string_view name) {
  for (std::string_view axis : {"leftx", "lefty", "rightx", "righty", "lefttrigger",
                                "righttrigger"}) {
    if (name == axis) return true;
  }
  return false;
}

ControlsRead ParseControls(std::string_view text, const std::filesystem::path& file) {
  ControlsRead read{DefaultBindings(), {}, {}};
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == text.npos ? std::string_view() : text.substr(end + 1);
    ++number;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;

    auto problem = [&](const std::string& why) {
      read.problems.push_back(file.string() + ", строка " + std::to_string(number) + ": «" +
                              std::string(line) + "» — " + why + "; оставлено как было.");
    };
    const std::size_t equals = line.find('=');
    if (equals == line.npos) {
      problem("нужно «действие = клавиши | кнопки пульта»");
      continue;
    }
    const std::string_view name = Trim(line.substr(0, equals));
    if (bool* setting = Switch(read.options, name)) {
      const std::string_view value = Trim(line.substr(equals + 1));
      if (SameIgnoringCase(value, "on") || SameIgnoringCase(value, "off")) {
        *setting = SameIgnoringCase(value, "on");
      } else {
        problem("нужно on или off");
      }
      continue;
    }
    const auto action = std::find_if(kActions.begin(), kActions.end(), [&](Action a) {
      return SameIgnoringCase(ActionName(a), name);
    });
    if (action == kActions.end()) {
      problem("нет такого действия");
      continue;
    }
    if (const auto why = ParseBinding(line.substr(equals + 1), read.bindings[std::size_t(*action)])) {
      problem(*why);
    }
  }
  return read;
}

std::string ControlsText(const Bindings& bindings, const GameOptions& options) {
  std::string text =
      "# Quillmoor controls: ACTION = KEY, KEY | PAD, PAD\n"
      "# Keys by their place on a US keyboard; pad controls by SDL's names.\n";
  for (Action action : kActions) {
    const ActionBinding& binding = bindings[std::size_t(action)];
    text += std::string(ActionName(action)) + " =";
    const char* separator = " ";
    for (const KeyChord& chord : binding.keys) {
      if (chord.key == 0) continue;
      text += separator + ChordName(chord);
      separator = ", ";
    }
    text += " |";
    separator = " ";
    for (const std::string& pad : binding.pad) {
      if (pad.empty()) continue;
      text += separator + pad;
      separator = ", ";
    }
    text += '\n';
  }
  for (const NamedSwitch& named : kSwitches) {
    text += std::string(named.name) + " = " + (options.*named.setting ? "on" : "off") + '\n';
  }
  return text;
}

ControlsRead ReadControlsFile(const std::filesystem::path& file) {
  try {
    const std::optional<std::string> text = ReadFileBytes(file, file_limit::Settings);
    if (!text) return {DefaultBindings(), {}, {}};
    return ParseControls(*text, file);
  } catch (const FatalError& failure) {
    return {DefaultBindings(), {}, {failure.what()}};
  }
}

void WriteControlsFile(const std::filesystem::path& file, const Bindings& bindings) {
  std::error_code ignored;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
  WriteFileAtomically(file, ControlsText(bindings, ReadControlsFile(file).options));
}

}  // namespace quillmoor
