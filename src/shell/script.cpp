#include "shell/script.h"

#include "platform/ascii_text.h"
#include "platform/utf8.h"
#include "settings/controls.h"
#include "shell/exact_number.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace quillmoor {

namespace {

template <typename T>
struct Named {
  std::string_view name;
  T value;
};

using Kind = InputEvent::Kind;

constexpr std::array<Named<Kind>, 9> kEventWords{{{"down", Kind::KeyDown},
                                                  {"up", Kind::KeyUp},
                                                  {"move", Kind::MouseMove},
                                                  {"click", Kind::MouseDown},
                                                  {"type", Kind::TextInput},
                                                  {"quit", Kind::Quit},
                                                  {"focus", Kind::FocusLost},
                                                  {"pad", Kind::PadButton},
                                                  {"pad", Kind::PadAxis}}};

// The game's keys, by the names the controls file gives them.
constexpr std::array<int, 14> kGameKeys = {vk::W,      vk::A,    vk::S,     vk::D,
                                           vk::Up,     vk::Down, vk::Left,  vk::Right,
                                           vk::Escape, vk::Return, vk::Back, vk::R,
                                           vk::F11,    vk::G};

bool IsGameKey(int key) {
  return std::find(kGameKeys.begin(), kGameKeys.end(), key) != kGameKeys.end();
}

constexpr std::array<Named<MouseButton>, 3> kButtons{
    {{"left", MouseButton::Left}, {"right", MouseButton::Right}, {"middle", MouseButton::Middle}}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The entry whose name matches in any case, or null.
template <typename T, std::size_t N>
const Named<T>* FindName(const std::array<Named<T>, N>& table, std::string_view name) {
  const auto found = std::find_if(table.begin(), table.end(), [&](const Named<T>& entry) {
    return SameIgnoringCase(entry.name, name);
  });
  return found == table.end() ? nullptr : &*found;
}

// The entry for a value, or null.
template <typename T, std::size_t N>
const Named<T>* FindValue(const std::array<Named<T>, N>& table, T value) {
  const auto found = std::find_if(table.begin(), table.end(),
                                  [&](const Named<T>& entry) { return entry.value == value; });
  return found == table.end() ? nullptr : &*found;
}

std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

// The fields of a line, split at runs of blanks.
class Fields {
 public:
  explicit Fields(std::string_view line) : rest_(line) {}

  // The next field, empty at the end of the line.
  std::string_view Next() {
    while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
    std::size_t end = 0;
    while (end < rest_.size() && !IsBlank(rest_[end])) ++end;
    const std::string_view field = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return field;
  }

  // The line after the last field taken, exactly as it stands.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// "button NAME down|up" or "axis NAME VALUE" after "pad".
std::optional<std::string> ParsePadArguments(Fields& fields, InputEvent& event) {
  const std::string_view what = fields.Next(), name = fields.Next(), state = fields.Next();
  if (what == "button") {
    if (!IsPadButtonName(name)) return "unknown pad button " + Quoted(name);
    if (state != "down" && state != "up") return "pad button needs down or up";
    event.kind = Kind::PadButton;
    event.down = state == "down";
  } else if (what == "axis") {
    if (!IsPadAxisName(name)) return "unknown pad axis " + Quoted(name);
    const std::optional<std::int64_t> value = ExactNumber<std::int64_t>(state);
    if (!value || *value < -32768 || *value > 32767) {
      return "pad axis needs a value from -32768 to 32767, not " + Quoted(state);
    }
    event.kind = Kind::PadAxis;
    event.value = int(*value);
  } else {
    return "pad needs button or axis";
  }
  event.text = std::string(name);
  return std::nullopt;
}

// The arguments of an event after its word; an error message, or nothing.
std::optional<std::string> ParseArguments(std::string_view word, Fields& fields,
                                          InputEvent& event) {
  switch (event.kind) {
    case Kind::KeyDown:
    case Kind::KeyUp: {
      const std::string_view name = fields.Next();
      if (name.empty()) return std::string(word) + " needs a key";
      const std::optional<int> key = KeyByName(name);
      if (!key || !IsGameKey(*key)) return "unknown key " + Quoted(name);
      event.key = *key;
      break;
    }
    case Kind::MouseMove:
    case Kind::MouseDown: {
      for (float* coordinate : {&event.x, &event.y}) {
        const std::string_view text = fields.Next();
        if (text.empty()) return std::string(word) + " needs X and Y";
        const std::optional<float> value = ExactNumber<float>(text);
        if (!value || !std::isfinite(*value)) return Quoted(text) + " is not a coordinate";
        *coordinate = *value;
      }
      if (event.kind == Kind::MouseMove) break;
      if (const std::string_view name = fields.Next(); !name.empty()) {
        const Named<MouseButton>* button = FindName(kButtons, name);
        if (!button) return "unknown button " + Quoted(name);
        event.button = button->value;
      }
      break;
    }
    case Kind::TextInput: {
      // One blank after the word, then the text as it stands, to the line end.
      const std::string_view rest = fields.Rest();
      if (rest.size() < 2) return std::string(word) + " needs text";
      const std::string_view text = rest.substr(1);
      if (!IsUtf8(text)) return "the text is not UTF-8";
      event.text = std::string(text);
      return std::nullopt;
    }
    case Kind::Quit:
      break;
    case Kind::FocusLost:
      if (fields.Next() != "lost") return std::string("focus needs \"lost\"");
      break;
    case Kind::PadButton:
    case Kind::PadAxis:
      if (auto error = ParsePadArguments(fields, event)) return error;
      break;
  }
  if (const std::string_view extra = fields.Next(); !extra.empty()) {
    return "unexpected " + Quoted(extra) + " after the event";
  }
  return std::nullopt;
}

// A line that is neither blank nor a comment: its event, or what is wrong.
std::variant<ScriptEvent, std::string> ParseLine(std::string_view line) {
  Fields fields(line);
  const std::string_view tickText = fields.Next();
  const std::optional<std::int64_t> tick = ExactNumber<std::int64_t>(tickText);
  if (!tick || *tick < 1) {
    return "the tick must be a whole number, 1 or more, not " + Quoted(tickText);
  }
  const std::string_view word = fields.Next();
  if (word.empty()) return "an event must follow the tick";
  const Named<Kind>* kind = FindName(kEventWords, word);
  if (!kind) return "unknown event " + Quoted(word);

  ScriptEvent event{*tick, InputEvent{}};
  event.event.kind = kind->value;
  if (auto error = ParseArguments(kind->name, fields, event.event)) return *std::move(error);
  return event;
}

bool IsSkipped(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == line.npos || line[first] == '#';
}

std::string Decimal(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9);
  return std::string(text, end.ptr);
}

// "clock SECONDS": the time of day at tick 0, or what is wrong with it.
std::variant<double, std::string> ParseClock(std::string_view line) {
  Fields fields(line);
  fields.Next();
  const std::string_view text = fields.Next();
  const std::optional<double> seconds = ExactNumber<double>(text);
  if (!seconds || !(*seconds >= 0 && *seconds < 86400)) {
    return "clock needs seconds since midnight, 0 to 86400, not " + Quoted(text);
  }
  if (const std::string_view extra = fields.Next(); !extra.empty()) {
    return "unexpected " + Quoted(extra) + " after the clock";
  }
  return *seconds;
}

bool IsClockLine(std::string_view line) {
  return SameIgnoringCase(Fields(line).Next(), "clock");
}

}  // namespace

std::variant<Script, std::string> ParseScript(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Script script;
  std::vector<ScriptEvent>& events = script.events;
  std::int64_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end);
    if (text.starts_with("\r\n")) {
      text.remove_prefix(2);
    } else if (!text.empty()) {
      text.remove_prefix(1);
    }
    if (IsSkipped(line)) continue;
    const auto where = [&] { return "script line " + std::to_string(lineNumber) + ": "; };
    if (IsClockLine(line)) {
      auto clock = ParseClock(line);
      if (auto* error = std::get_if<std::string>(&clock)) return where() + *error;
      script.clock = std::get<double>(clock);
      continue;
    }
    auto result = ParseLine(line);
    if (auto* error = std::get_if<std::string>(&result)) {
      return where() + *error;
    }
    events.push_back(std::move(std::get<ScriptEvent>(result)));
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.tick < b.tick; });
  return script;
}

std::string ClockLine(double seconds) {
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, seconds);
  return "clock " + std::string(text, end.ptr);
}

std::string ScriptLine(std::int64_t tick, const InputEvent& event) {
  const Named<Kind>* word = FindValue(kEventWords, event.kind);
  if (tick < 1 || !word) return {};
  std::string line = std::to_string(tick) + ' ' + std::string(word->name);
  switch (event.kind) {
    case Kind::KeyDown:
    case Kind::KeyUp: {
      if (!IsGameKey(event.key)) return {};
      return line + ' ' + KeyName(event.key);
    }
    case Kind::MouseMove:
    case Kind::MouseDown: {
      if (!std::isfinite(event.x) || !std::isfinite(event.y)) return {};
      line += ' ' + Decimal(event.x) + ' ' + Decimal(event.y);
      if (event.kind == Kind::MouseMove) return line;
      const Named<MouseButton>* button = FindValue(kButtons, event.button);
      if (!button) return {};
      return line + ' ' + std::string(button->name);
    }
    case Kind::TextInput:
      if (event.text.empty() || event.text.find_first_of("\r\n") != std::string::npos ||
          !IsUtf8(event.text)) {
        return {};
      }
      return line + ' ' + event.text;
    case Kind::Quit:
      return line;
    case Kind::FocusLost:
      return line + " lost";
    case Kind::PadButton:
      if (!IsPadButtonName(event.text)) return {};
      return line + " button " + event.text + (event.down ? " down" : " up");
    case Kind::PadAxis:
      if (!IsPadAxisName(event.text) || event.value < -32768 || event.value > 32767) return {};
      return line + " axis " + event.text + ' ' + std::to_string(event.value);
  }
  return {};
}

}  // namespace quillmoor
