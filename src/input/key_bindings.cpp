#include "input/key_bindings.h"

#include <algorithm>

namespace quillmoor {

namespace {

// The game's key of the action bound to the chord, or 0.
int BoundKey(const Bindings& bindings, KeyChord chord) {
  for (Action action : kActions) {
    const auto& keys = bindings[std::size_t(action)].keys;
    if (std::find(keys.begin(), keys.end(), chord) != keys.end()) return ActionGameKey(action);
  }
  return 0;
}

InputEvent KeyEvent(InputEvent::Kind kind, int key, bool repeat) {
  InputEvent event;
  event.kind = kind;
  event.key = key;
  event.repeat = repeat;
  return event;
}

}  // namespace

std::optional<InputEvent> KeyTranslator::Translate(const InputEvent& event,
                                                 const Bindings& bindings,
                                                 bool nameBoxFocused) {
  if (nameBoxFocused && !nameBoxWasFocused_) {
    heldThroughNameBox_.clear();
    for (const auto& [key, gameKey] : heldAs_) heldThroughNameBox_.insert(key);
  }
  if (!nameBoxFocused) heldThroughNameBox_.clear();
  nameBoxWasFocused_ = nameBoxFocused;

  switch (event.kind) {
    case InputEvent::Kind::KeyDown:
      return KeyDown(event, bindings, nameBoxFocused);
    case InputEvent::Kind::KeyUp:
      return KeyUp(event);
    case InputEvent::Kind::TextInput:
      if (swallowText_) return std::nullopt;
      return event;
    default:
      return event;
  }
}

std::optional<InputEvent> KeyTranslator::KeyDown(const InputEvent& event, const Bindings& bindings,
                                               bool nameBoxFocused) {
  // A key held since before the name box opened types nothing there.
  swallowText_ = heldThroughNameBox_.contains(event.key);
  if (swallowText_) return std::nullopt;

  int gameKey = event.alt ? BoundKey(bindings, {event.key, true}) : 0;
  // The name box is edited by Enter and Backspace whatever they are bound to.
  if (gameKey == 0 && nameBoxFocused && (event.key == vk::Return || event.key == vk::Back)) {
    gameKey = event.key;
  }
  if (gameKey == 0) gameKey = BoundKey(bindings, {event.key, false});
  // A repeat keeps the game's key the key went down as.
  if (const auto held = heldAs_.find(event.key); held != heldAs_.end() && event.repeat) {
    gameKey = held->second;
  }
  heldAs_[event.key] = gameKey;
  if (gameKey == 0) return std::nullopt;
  return KeyEvent(InputEvent::Kind::KeyDown, gameKey, event.repeat);
}

std::optional<InputEvent> KeyTranslator::KeyUp(const InputEvent& event) {
  heldThroughNameBox_.erase(event.key);
  const auto held = heldAs_.find(event.key);
  if (held == heldAs_.end()) return std::nullopt;
  const int gameKey = held->second;
  heldAs_.erase(held);
  // The game's key stays down while another key holds it.
  const bool stillHeld = std::any_of(heldAs_.begin(), heldAs_.end(),
                                     [&](const auto& entry) { return entry.second == gameKey; });
  if (gameKey == 0 || stillHeld) return std::nullopt;
  return KeyEvent(InputEvent::Kind::KeyUp, gameKey, false);
}

}  // namespace quillmoor
