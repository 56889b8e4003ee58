#include "settings/dialog/qt_key_place.h"

#include <linux/input-event-codes.h>

#include "platform/input.h"

namespace quillmoor {

namespace {

struct CodeAndKey {
  std::uint32_t from;
  int key;
};

constexpr int kShift = 0x10, kControl = 0x11, kDelete = 0x2E, kKeypad0 = 0x60,
              kF1 = 0x70;

// Every key controls.cpp has a name for. Keypad Enter is Return, as the game
// reads it; both Shifts and both Controls are one key each.
constexpr CodeAndKey kEvdevKeys[] = {
    {KEY_1, '1'}, {KEY_2, '2'}, {KEY_3, '3'}, {KEY_4, '4'}, {KEY_5, '5'},
    {KEY_6, '6'}, {KEY_7, '7'}, {KEY_8, '8'}, {KEY_9, '9'}, {KEY_0, '0'},
    {KEY_Q, 'Q'}, {KEY_W, 'W'}, {KEY_E, 'E'}, {KEY_R, 'R'}, {KEY_T, 'T'},
    {KEY_Y, 'Y'}, {KEY_U, 'U'}, {KEY_I, 'I'}, {KEY_O, 'O'}, {KEY_P, 'P'},
    {KEY_A, 'A'}, {KEY_S, 'S'}, {KEY_D, 'D'}, {KEY_F, 'F'}, {KEY_G, 'G'},
    {KEY_H, 'H'}, {KEY_J, 'J'}, {KEY_K, 'K'}, {KEY_L, 'L'}, {KEY_Z, 'Z'},
    {KEY_X, 'X'}, {KEY_C, 'C'}, {KEY_V, 'V'}, {KEY_B, 'B'}, {KEY_N, 'N'},
    {KEY_M, 'M'},
    {KEY_BACKSPACE, vk::Back}, {KEY_TAB, 0x09}, {KEY_ENTER, vk::Return}, {KEY_KPENTER, vk::Return},
    {KEY_LEFTSHIFT, kShift}, {KEY_RIGHTSHIFT, kShift}, {KEY_LEFTCTRL, kControl},
    {KEY_RIGHTCTRL, kControl}, {KEY_PAUSE, 0x13}, {KEY_CAPSLOCK, 0x14}, {KEY_ESC, vk::Escape},
    {KEY_SPACE, 0x20}, {KEY_PAGEUP, 0x21}, {KEY_PAGEDOWN, 0x22}, {KEY_END, 0x23},
    {KEY_HOME, 0x24}, {KEY_LEFT, vk::Left}, {KEY_UP, vk::Up}, {KEY_RIGHT, vk::Right},
    {KEY_DOWN, vk::Down}, {KEY_INSERT, 0x2D}, {KEY_DELETE, kDelete},
    {KEY_KP0, kKeypad0}, {KEY_KP1, kKeypad0 + 1}, {KEY_KP2, kKeypad0 + 2},
    {KEY_KP3, kKeypad0 + 3}, {KEY_KP4, kKeypad0 + 4}, {KEY_KP5, kKeypad0 + 5},
    {KEY_KP6, kKeypad0 + 6}, {KEY_KP7, kKeypad0 + 7}, {KEY_KP8, kKeypad0 + 8},
    {KEY_KP9, kKeypad0 + 9}, {KEY_KPASTERISK, 0x6A}, {KEY_KPPLUS, 0x6B},
    {KEY_KPMINUS, 0x6D}, {KEY_KPDOT, 0x6E}, {KEY_KPSLASH, 0x6F},
    {KEY_F1, kF1}, {KEY_F2, kF1 + 1}, {KEY_F3, kF1 + 2}, {KEY_F4, kF1 + 3},
    {KEY_F5, kF1 + 4}, {KEY_F6, kF1 + 5}, {KEY_F7, kF1 + 6}, {KEY_F8, kF1 + 7},
    {KEY_F9, kF1 + 8}, {KEY_F10, kF1 + 9}, {KEY_F11, kF1 + 10}, {KEY_F12, kF1 + 11},
    {KEY_SEMICOLON, 0xBA}, {KEY_EQUAL, 0xBB}, {KEY_COMMA, 0xBC}, {KEY_MINUS, 0xBD},
    {KEY_DOT, 0xBE}, {KEY_SLASH, 0xBF}, {KEY_GRAVE, 0xC0}, {KEY_LEFTBRACE, 0xDB},
    {KEY_BACKSLASH, 0xDC}, {KEY_RIGHTBRACE, 0xDD}, {KEY_APOSTROPHE, 0xDE},
};

// Named keys that Qt reports the same with or without the keypad.
constexpr CodeAndKey kQtKeys[] = {
    {Qt::Key_Backspace, vk::Back}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, vk::Return}, {Qt::Key_Enter, vk::Return}, {Qt::Key_Shift, kShift},
    {Qt::Key_Control, kControl}, {Qt::Key_Pause, 0x13}, {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, vk::Escape}, {Qt::Key_Space, 0x20}, {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24},
    {Qt::Key_Left, vk::Left}, {Qt::Key_Up, vk::Up}, {Qt::Key_Right, vk::Right}, {Qt::Key_Down, vk::Down},
    {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, kDelete}, {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Equal, 0xBB}, {Qt::Key_Comma, 0xBC}, {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_Backslash, 0xDC}, {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
};

// Keys that are another one on the keypad.
struct KeypadTwin {
  int qtKey;
  int key;
  int onKeypad;
};
constexpr KeypadTwin kKeypadTwins[] = {
    {Qt::Key_Asterisk, 0, 0x6A}, {Qt::Key_Plus, 0, 0x6B}, {Qt::Key_Minus, 0xBD, 0x6D},
    {Qt::Key_Period, 0xBE, 0x6E}, {Qt::Key_Slash, 0xBF, 0x6F},
};

constexpr std::uint32_t kXKeycodeOffset = 8;

}  // namespace

int KeyAtEvdevCode(std::uint32_t code) {
  for (const CodeAndKey& entry : kEvdevKeys) {
    if (entry.from == code) return entry.key;
  }
  return 0;
}

int KeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    return keypad ? kKeypad0 + (qtKey - Qt::Key_0) : '0' + (qtKey - Qt::Key_0);
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return kF1 + (qtKey - Qt::Key_F1);
  for (const KeypadTwin& twin : kKeypadTwins) {
    if (twin.qtKey == qtKey) return keypad ? twin.onKeypad : twin.key;
  }
  for (const CodeAndKey& entry : kQtKeys) {
    if (int(entry.from) == qtKey) return entry.key;
  }
  return 0;
}

int KeyPlaceOf(const QKeyEvent& event) {
  const std::uint32_t keycode = event.nativeScanCode();
  if (keycode >= kXKeycodeOffset) return KeyAtEvdevCode(keycode - kXKeycodeOffset);
  return KeyOfQtKey(event.key(), event.modifiers());
}

}  // namespace quillmoor
