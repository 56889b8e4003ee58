#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPalette>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "settings/dialog/picture_button.h"
#include "settings/dialog/settings_values.h"

namespace quillmoor {

// A tri-state box whose user clicks only tick and clear it: grey comes from
// loading alone, and a click on grey ticks it as Qt's own order would.
class TwoStateClickBox : public QCheckBox {
 public:
  TwoStateClickBox(const QString& text, QWidget* parent);

 protected:
  void nextCheckState() override;
};

// Shows an error to the user; replaced in tests so nothing blocks.
using ErrorReporter = std::function<void(QWidget* parent, const QString& message)>;
void ShowErrorBox(QWidget* parent, const QString& message);

// Настройка's white on black, push buttons and lists in the picture
// buttons' dark grey.
QPalette DarkButtonsPalette();

// Настройка's window: three boxes for DisplayMode, MusicOn and MotionBlur,
// Сохранить (`Command1`) writes Config.ini and closes, Закрыть (`Command2`)
// and the close box close without writing. Управление… (`Command3`) opens
// the controls window on the controls file, once there is one to edit.
class SettingsDialog : public QDialog {
 public:
  SettingsDialog(const SettingsValues& values, std::filesystem::path configPath,
                 ErrorReporter reportError = ShowErrorBox, QWidget* parent = nullptr);

  const SettingsValues& values() const { return values_; }
  void SetControlsFile(std::filesystem::path controlsPath);

  QGroupBox* Frame1;
  TwoStateClickBox* Check1;
  TwoStateClickBox* Check2;
  TwoStateClickBox* Check3;
  PictureButton* Command1;
  PictureButton* Command2;
  QPushButton* Command3;

 private:
  void Command1Click();
  void Command3Click();
  void ConnectBox(QCheckBox* box, BoxMeaning meaning, std::uint8_t SettingsValues::*value);

  SettingsValues values_;
  std::filesystem::path configPath_;
  std::filesystem::path controlsPath_;
  ErrorReporter reportError_;
};

}  // namespace quillmoor
