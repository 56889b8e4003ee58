#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <array>
#include <filesystem>
#include <functional>

#include "settings/controls.h"
#include "settings/dialog/settings_dialog.h"

namespace quillmoor {

// A button showing a key. Clicked, it waits for the next key pressed and
// binds it, Alt held or not: Escape stops waiting, Backspace empties the
// slot, a click or leaving the button stops waiting too.
class KeySlot : public QPushButton {
 public:
  using Bound = std::function<void(KeyChord)>;  // key 0 for an emptied slot
  KeySlot(Bound bound, QWidget* parent);

  void Show(KeyChord chord);
  bool IsWaiting() const { return waiting_; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void StopWaiting();

  Bound bound_;
  KeyChord shown_;
  bool waiting_ = false;
};

// Управление: two keys and two pad controls for each action, from the
// controls file. A key or pad control goes to one slot only: binding it
// takes it from the slot that had it. По умолчанию shows the defaults,
// Сохранить writes the file and closes, Закрыть and Escape close without
// writing. What cannot be read is reported once and left at its default.
class ControlsDialog : public QDialog {
 public:
  ControlsDialog(std::filesystem::path file, ErrorReporter reportError = ShowErrorBox,
                 QWidget* parent = nullptr);

  const Bindings& bindings() const { return bindings_; }
  KeySlot* keySlot(Action action, std::size_t index) const;
  QComboBox* padSlot(Action action, std::size_t index) const;

  QPushButton* Defaults;
  QPushButton* Save;
  QPushButton* Close;

 private:
  struct Row {
    std::array<KeySlot*, 2> keys;
    std::array<QComboBox*, 2> pad;
  };

  void BindKey(Action action, std::size_t index, KeyChord chord);
  void BindPad(Action action, std::size_t index, const std::string& name);
  void ShowBindings();
  void SaveClick();

  Bindings bindings_;
  std::array<Row, kActionCount> rows_{};
  std::filesystem::path file_;
  ErrorReporter reportError_;
};

}  // namespace quillmoor
