#pragma once

#include <QStringList>

#include "settings/dialog/settings_dialog.h"

namespace quillmoor {

// Настройка from its command line to its exit status: 0 after the window
// closes or the screenshot is saved, 1 when Config.ini cannot be read or
// the screenshot not saved, 2 for a bad command line. Errors go to stderr
// and, unless only a screenshot is asked for, to reportError too.
int RunSettingsProgram(const QStringList& arguments,
                       const ErrorReporter& reportError = ShowErrorBox);

}  // namespace quillmoor
