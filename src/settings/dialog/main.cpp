#include <QApplication>
#include <QStyleFactory>
#include <cstring>

#include "settings/dialog/settings_program.h"

int main(int argc, char** argv) {
  // A screenshot needs no display.
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--screenshot", 12) == 0 &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication app(argc, argv);
  // The dark palette is drawn as set by Fusion whatever the desktop's style.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  return quillmoor::RunSettingsProgram(QApplication::arguments());
}
