#include "settings/dialog/settings_program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <cstdio>

#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

namespace {

void PrintError(const QString& message) {
  std::fprintf(stderr, "quillmoor-settings: %s\n", message.toUtf8().constData());
}

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

int RunSettingsProgram(const QStringList& arguments, const ErrorReporter& reportError) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Настройка Quillmoor: режим экрана, музыка и размытие в движении "
                     "в файле Config.ini."));
  const QCommandLineOption data(
      QStringLiteral("data"), QStringLiteral("Папка Data (по умолчанию Data рядом с программой)."),
      QStringLiteral("DIR"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Сохранить вид окна после загрузки в PNG-файл и завершиться."),
      QStringLiteral("FILE"));
  const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("Эта справка."));
  parser.addOption(data);
  parser.addOption(screenshot);
  parser.addOption(help);

  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    PrintError(parser.positionalArguments().isEmpty()
                   ? parser.errorText()
                   : QStringLiteral("лишний аргумент ") + parser.positionalArguments().first());
    std::fputs(parser.helpText().toUtf8().constData(), stderr);
    return 2;
  }
  if (parser.isSet(help)) {
    std::fputs(parser.helpText().toUtf8().constData(), stdout);
    return 0;
  }

  const QString dataDir = parser.isSet(data)
                              ? parser.value(data)
                              : QDir(QCoreApplication::applicationDirPath()).filePath("Data");
  const std::filesystem::path configPath = DataFilePath(ToPath(dataDir), "Config.ini");
  const bool screenshotOnly = parser.isSet(screenshot);

  SettingsValues values;
  try {
    values = LoadSettings(configPath);
  } catch (const FatalError& error) {
    const QString message = QString::fromUtf8(error.what());
    PrintError(message);
    if (!screenshotOnly) reportError(nullptr, message);
    return 1;
  }

  SettingsDialog dialog(values, configPath, reportError);
  if (screenshotOnly) {
    const QString file = parser.value(screenshot);
    if (!dialog.grab().save(file, "PNG")) {
      PrintError(QStringLiteral("не удаётся записать снимок ") + file);
      return 1;
    }
    return 0;
  }
  dialog.exec();
  return 0;
}

}  // namespace quillmoor
