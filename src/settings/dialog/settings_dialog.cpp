#include "settings/dialog/settings_dialog.h"

#include <QFont>
#include <QMessageBox>
#include <QPalette>

#include "platform/fatal_error.h"
#include "settings/dialog/controls_dialog.h"

namespace quillmoor {

namespace {

Qt::CheckState ToCheckState(BoxState state) {
  switch (state) {
    case BoxState::Ticked:
      return Qt::Checked;
    case BoxState::Cleared:
      return Qt::Unchecked;
    case BoxState::Grey:
      break;
  }
  return Qt::PartiallyChecked;
}

BoxState ToBoxState(int state) {
  if (state == Qt::Checked) return BoxState::Ticked;
  if (state == Qt::Unchecked) return BoxState::Cleared;
  return BoxState::Grey;
}

// Comic Sans MS, 9.75 pt bold; 13 pixels is 9.75 pt at 96 dpi, kept in
// pixels so the text fits the boxes whatever dpi the desktop reports.
// Without it, a narrow sans serif with Cyrillic letters (Comic Neue has
// none), so the longest caption still fits its 185 pixels.
QFont CheckBoxFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

}  // namespace

TwoStateClickBox::TwoStateClickBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
  setTristate(true);
  setFont(CheckBoxFont());
}

void TwoStateClickBox::nextCheckState() {
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void ShowErrorBox(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, QStringLiteral("Настройка Quillmoor"), message);
}

namespace {

// White on black: the boxes keep Fusion's own light squares.
QPalette SettingsPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Light, QColor(160, 160, 160));
  palette.setColor(QPalette::Midlight, QColor(128, 128, 128));
  palette.setColor(QPalette::Mid, QColor(96, 96, 96));
  palette.setColor(QPalette::Dark, QColor(64, 64, 64));
  return palette;
}

}  // namespace

QPalette DarkButtonsPalette() {
  QPalette palette = SettingsPalette();
  palette.setColor(QPalette::Button, QColor(64, 64, 64));
  palette.setColor(QPalette::ButtonText, Qt::white);
  palette.setColor(QPalette::Base, QColor(32, 32, 32));
  palette.setColor(QPalette::Text, Qt::white);
  return palette;
}

SettingsDialog::SettingsDialog(const SettingsValues& values, std::filesystem::path configPath,
                               ErrorReporter reportError, QWidget* parent)
    : QDialog(parent),
      values_(values),
      configPath_(std::move(configPath)),
      reportError_(std::move(reportError)) {
  setWindowTitle(QStringLiteral("Настройка Quillmoor"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(279, 208);

  setPalette(SettingsPalette());
  setAutoFillBackground(true);

  // Window coordinates less the frame's corner (12, 8) for its children.
  Frame1 = new QGroupBox(this);
  Frame1->setGeometry(12, 8, 253, 189);
  Check1 = new TwoStateClickBox(QStringLiteral("Полноэкранный режим"), Frame1);
  Check1->setGeometry(48 - 12, 40 - 8, 185, 17);
  Check2 = new TwoStateClickBox(QStringLiteral("Музыка"), Frame1);
  Check2->setGeometry(48 - 12, 72 - 8, 181, 17);
  Command1 = new PictureButton(QStringLiteral("Сохранить"), Frame1);
  Command1->setGeometry(40 - 12, 148 - 8, 97, 29);
  Command2 = new PictureButton(QStringLiteral("Закрыть"), Frame1);
  Command2->setGeometry(136 - 12, 148 - 8, 97, 29);
  // Check3 sits on the window itself, above the frame.
  Check3 = new TwoStateClickBox(QStringLiteral("Размытие в движении"), this);
  Check3->setGeometry(48, 104, 185, 17);
  Check3->raise();
  // In the gap between the boxes and the two buttons.
  Command3 = new QPushButton(QStringLiteral("Управление…"), Frame1);
  Command3->setGeometry(40 - 12, 124 - 8, 193, 20);
  Command3->setPalette(DarkButtonsPalette());
  Command3->setAutoDefault(false);
  Command3->setEnabled(false);

  setTabOrder(Check1, Check2);
  setTabOrder(Check2, Check3);
  setTabOrder(Check3, Command3);
  setTabOrder(Command3, Command1);
  setTabOrder(Command1, Command2);

  // Showing a value and mapping the state back give the same value, so
  // loading changes nothing; grey keeps whatever was read.
  ConnectBox(Check1, kDisplayModeBox, &SettingsValues::DisplayMode);
  ConnectBox(Check2, kMusicOnBox, &SettingsValues::MusicOn);
  ConnectBox(Check3, kMotionBlurBox, &SettingsValues::MotionBlur);

  connect(Command1, &QAbstractButton::clicked, this, &SettingsDialog::Command1Click);
  connect(Command2, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(Command3, &QAbstractButton::clicked, this, &SettingsDialog::Command3Click);
}

void SettingsDialog::SetControlsFile(std::filesystem::path controlsPath) {
  controlsPath_ = std::move(controlsPath);
  Command3->setEnabled(!controlsPath_.empty());
}

void SettingsDialog::ConnectBox(QCheckBox* box, BoxMeaning meaning,
                                std::uint8_t SettingsValues::*value) {
  connect(box, &QCheckBox::stateChanged, this, [this, meaning, value](int state) {
    values_.*value = ValueOf(meaning, ToBoxState(state), values_.*value);
  });
  box->setCheckState(ToCheckState(StateOf(meaning, values_.*value)));
}

void SettingsDialog::Command1Click() {
  try {
    SaveSettings(configPath_, values_);
  } catch (const FatalError& error) {
    reportError_(this,
                 QStringLiteral("Настройки не сохранены.\n") + QString::fromUtf8(error.what()));
    return;
  }
  accept();
}

void SettingsDialog::Command3Click() {
  auto* controls = new ControlsDialog(controlsPath_, reportError_, this);
  controls->setAttribute(Qt::WA_DeleteOnClose);
  controls->open();
}

}  // namespace quillmoor
