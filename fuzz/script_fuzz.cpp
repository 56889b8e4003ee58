// Headless scripts: any bytes give events or a message, never a crash, and
// every event read writes back to a line that reads to the same event.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/script.h"

namespace {

bool Same(const quillmoor::ScriptEvent& a, const quillmoor::ScriptEvent& b) {
  return a.tick == b.tick && a.event.kind == b.event.kind &&
         std::bit_cast<std::uint32_t>(a.event.x) == std::bit_cast<std::uint32_t>(b.event.x) &&
         std::bit_cast<std::uint32_t>(a.event.y) == std::bit_cast<std::uint32_t>(b.event.y) &&
         a.event.button == b.event.button && a.event.key == b.event.key &&
         a.event.text == b.event.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmoor;
  const auto parsed = ParseScript({reinterpret_cast<const char*>(data), size});
  const auto* script = std::get_if<Script>(&parsed);
  if (!script) {
    if (!std::get<std::string>(parsed).starts_with("script line ")) __builtin_trap();
    return 0;
  }

  const std::vector<ScriptEvent>* events = &script->events;
  std::string written = script->clock ? ClockLine(*script->clock) + '\n' : "";
  for (const ScriptEvent& event : *events) {
    const std::string line = ScriptLine(event.tick, event.event);
    if (line.empty()) __builtin_trap();  // everything read can be written
    written += line + '\n';
  }
  const auto reread = ParseScript(written);
  const auto* rescript = std::get_if<Script>(&reread);
  if (!rescript || rescript->clock != script->clock) __builtin_trap();
  const std::vector<ScriptEvent>* again = &rescript->events;
  if (again->size() != events->size()) __builtin_trap();
  for (std::size_t i = 0; i < events->size(); ++i) {
    if (!Same((*events)[i], (*again)[i])) __builtin_trap();
  }
  return 0;
}
