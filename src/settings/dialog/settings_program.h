#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "settings/dialog/settings_dialog.h"
#include "settings/file_places.h"

namespace quillmoor {

struct SettingsCommandLine {
  std::optional<std::filesystem::path> data;     // --data
  std::optional<std::filesystem::path> userDir;  // --user-dir
  std::optional<QString> screenshot;             // --screenshot: save the window and end
  bool help = false;
  bool version = false;
  QString error;  // why the command line makes no sense; empty when it does
  QString helpText;
};

// Needs no application object, so it runs before any display is opened.
SettingsCommandLine ParseSettingsCommandLine(const QStringList& arguments);

// Prints the help, the version or the command line's fault; the exit status
// when that is all the run does.
std::optional<int> FinishWithoutWindow(const SettingsCommandLine& line);

// Where Config.ini is read from and written to: the same rules as the game's.
FilePlaces SettingsFilePlaces(const SettingsCommandLine& line,
                              const std::filesystem::path& programDirectory,
                              const UserEnvironment& environment);

// Настройка from its command line to its exit status: 0 after the window
// closes or the screenshot is saved, 1 when Config.ini cannot be read or
// the screenshot not saved, 2 for a bad command line. Errors go to stderr
// and, unless only a screenshot is asked for, to reportError too.
int RunSettingsProgram(const QStringList& arguments,
                       const ErrorReporter& reportError = ShowErrorBox);

}  // namespace quillmoor
