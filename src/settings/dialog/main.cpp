#include <QApplication>
#include <QStyleFactory>

#include "settings/dialog/settings_program.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // Help, version and a bad command line need no display.
  const quillmoor::SettingsCommandLine line = quillmoor::ParseSettingsCommandLine(arguments);
  if (const std::optional<int> status = quillmoor::FinishWithoutWindow(line)) return *status;
  // Neither does a screenshot.
  if (line.screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  // The dark palette is drawn as set by Fusion whatever the desktop's style.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  return quillmoor::RunSettingsProgram(QApplication::arguments());
}
