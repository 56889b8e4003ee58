#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace quillmoor {

// The key at an evdev key code's place as our virtual-key code ('W' for
// KEY_W whatever the layout prints on it); 0 for keys without a name.
int KeyAtEvdevCode(std::uint32_t code);

// Letters, digits and named keys as Qt reports them, for events that carry
// no scan code; 0 for the rest. Depends on the layout.
int KeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The key an event comes from, by its place: from the X keycode (evdev code
// + 8, as Qt gives it on X11 and Wayland), else from Qt's key.
int KeyPlaceOf(const QKeyEvent& event);

}  // namespace quillmoor
