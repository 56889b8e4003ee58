#include "settings/dialog/controls_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/fatal_error.h"
#include "platform/input.h"
#include "settings/dialog/qt_key_place.h"

namespace quillmoor {

namespace {


QString EmptySlotText() { return QStringLiteral("—"); }
QString WaitingText() { return QStringLiteral("Нажмите клавишу…"); }

QString ChordText(KeyChord chord) {
  return chord.key == 0 ? EmptySlotText() : QString::fromStdString(ChordName(chord));
}

// Puts a key or a pad control in one slot, taking it from any other.
template <typename Item>
void PutInOneSlot(Bindings& bindings, std::array<Item, 2> ActionBinding::*part, Action action,
                  std::size_t index, const Item& item) {
  if (item != Item{}) {
    for (ActionBinding& binding : bindings) {
      for (Item& held : binding.*part) {
        if (held == item) held = Item{};
      }
    }
  }
  (bindings[std::size_t(action)].*part)[index] = item;
}

// The file keeps no gaps: a lone second key or pad control is read back as
// the first.
template <typename Item>
void CloseGap(std::array<Item, 2>& items) {
  if (items[0] == Item{}) std::swap(items[0], items[1]);
}

}  // namespace

KeySlot::KeySlot(Bound bound, QWidget* parent) : QPushButton(parent), bound_(std::move(bound)) {
  setAutoDefault(false);
  setMinimumWidth(fontMetrics().horizontalAdvance(WaitingText()) + 32);
  setText(ChordText(shown_));
  connect(this, &QPushButton::clicked, this, [this] {
    if (waiting_) {
      StopWaiting();
      return;
    }
    waiting_ = true;
    setText(WaitingText());
  });
}

void KeySlot::Show(KeyChord chord) {
  shown_ = chord;
  if (!waiting_) setText(ChordText(chord));
}

bool KeySlot::event(QEvent* event) {
  if (waiting_ && event->type() == QEvent::ShortcutOverride) {
    event->accept();  // no shortcut or mnemonic takes the key
    return true;
  }
  if (waiting_ && event->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(event));  // Tab too, before focus moves on
    return true;
  }
  return QPushButton::event(event);
}

void KeySlot::keyPressEvent(QKeyEvent* event) {
  if (!waiting_) {
    QPushButton::keyPressEvent(event);
    return;
  }
  event->accept();
  const int key = KeyPlaceOf(*event);
  if (event->isAutoRepeat() || key == 0) return;  // Alt alone waits for its key
  const bool alt = event->modifiers().testFlag(Qt::AltModifier);
  StopWaiting();
  if (key == vk::Escape && !alt) return;
  bound_(key == vk::Back && !alt ? KeyChord{} : KeyChord{key, alt});
}

void KeySlot::focusOutEvent(QFocusEvent* event) {
  StopWaiting();
  QPushButton::focusOutEvent(event);
}

void KeySlot::StopWaiting() {
  waiting_ = false;
  setText(ChordText(shown_));
}

ControlsDialog::ControlsDialog(std::filesystem::path file, ErrorReporter reportError,
                               QWidget* parent)
    : QDialog(parent), file_(std::move(file)), reportError_(std::move(reportError)) {
  setWindowTitle(QStringLiteral("Управление Quillmoor"));
  setPalette(DarkButtonsPalette());
  setAutoFillBackground(true);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Клавиши"), this), 0, 1, 1, 2, Qt::AlignCenter);
  grid->addWidget(new QLabel(QStringLiteral("Пульт"), this), 0, 3, 1, 2, Qt::AlignCenter);
  for (Action action : kActions) {
    const int line = int(action) + 1;
    Row& row = rows_[std::size_t(action)];
    grid->addWidget(new QLabel(QString::fromUtf8(ActionTitle(action)), this), line, 0);
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
      row.keys[i] = new KeySlot([this, action, i](KeyChord chord) { BindKey(action, i, chord); },
                                this);
      grid->addWidget(row.keys[i], line, 1 + int(i));
    }
    for (std::size_t i = 0; i < row.pad.size(); ++i) {
      QComboBox* box = row.pad[i] = new QComboBox(this);
      box->addItem(EmptySlotText());
      for (std::string_view name : PadControlNames()) {
        box->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
      }
      connect(box, &QComboBox::currentIndexChanged, this, [this, action, i, box](int index) {
        BindPad(action, i, index > 0 ? box->itemText(index).toStdString() : std::string());
      });
      grid->addWidget(box, line, 3 + int(i));
    }
  }

  Defaults = new QPushButton(QStringLiteral("По умолчанию"), this);
  Save = new QPushButton(QStringLiteral("Сохранить"), this);
  Close = new QPushButton(QStringLiteral("Закрыть"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Defaults);
  buttons->addStretch();
  for (QPushButton* button : {Defaults, Save, Close}) {
    button->setAutoDefault(false);  // Return never saves by surprise
    if (button != Defaults) buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Defaults, &QAbstractButton::clicked, this, [this] {
    bindings_ = DefaultBindings();
    ShowBindings();
  });
  connect(Save, &QAbstractButton::clicked, this, &ControlsDialog::SaveClick);
  connect(Close, &QAbstractButton::clicked, this, &QDialog::reject);

  const ControlsRead read = ReadControlsFile(file_);
  bindings_ = read.bindings;
  ShowBindings();
  if (!read.problems.empty()) {
    QStringList lines;
    for (const std::string& problem : read.problems) lines << QString::fromStdString(problem);
    reportError_(parent, QStringLiteral("Файл управления прочитан не весь.\n") +
                             lines.join(QLatin1Char('\n')));
  }
}

KeySlot* ControlsDialog::keySlot(Action action, std::size_t index) const {
  return rows_[std::size_t(action)].keys.at(index);
}

QComboBox* ControlsDialog::padSlot(Action action, std::size_t index) const {
  return rows_[std::size_t(action)].pad.at(index);
}

void ControlsDialog::BindKey(Action action, std::size_t index, KeyChord chord) {
  PutInOneSlot(bindings_, &ActionBinding::keys, action, index, chord);
  ShowBindings();
}

void ControlsDialog::BindPad(Action action, std::size_t index, const std::string& name) {
  PutInOneSlot(bindings_, &ActionBinding::pad, action, index, name);
  ShowBindings();
}

void ControlsDialog::ShowBindings() {
  for (Action action : kActions) {
    const ActionBinding& binding = bindings_[std::size_t(action)];
    const Row& row = rows_[std::size_t(action)];
    for (std::size_t i = 0; i < row.keys.size(); ++i) row.keys[i]->Show(binding.keys[i]);
    for (std::size_t i = 0; i < row.pad.size(); ++i) {
      const QSignalBlocker quiet(row.pad[i]);
      row.pad[i]->setCurrentIndex(
          std::max(0, row.pad[i]->findText(QString::fromStdString(binding.pad[i]))));
    }
  }
}

void ControlsDialog::SaveClick() {
  for (ActionBinding& binding : bindings_) {
    CloseGap(binding.keys);
    CloseGap(binding.pad);
  }
  ShowBindings();
  try {
    WriteControlsFile(file_, bindings_);
  } catch (const FatalError& error) {
    reportError_(this, QStringLiteral("Управление не сохранено.\n") +
                           QString::fromUtf8(error.what()));
    return;
  }
  accept();
}

}  // namespace quillmoor
