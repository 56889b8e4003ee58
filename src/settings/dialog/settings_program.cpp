#include "settings/dialog/settings_program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QPixmap>
#include <cstdio>
#include <system_error>

#include "platform/fatal_error.h"
#include "settings/controls.h"

namespace quillmoor {

namespace {

void PrintError(const QString& message) {
  std::fprintf(stderr, "quillmoor-settings: %s\n", message.toUtf8().constData());
}

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

SettingsCommandLine ParseSettingsCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Настройка Quillmoor: режим экрана, музыка и размытие в движении "
                     "в файле Config.ini, клавиши и пульт в файле quillmoor.ini."));
  const QCommandLineOption data(
      QStringLiteral("data"),
      QStringLiteral("Папка Data (по умолчанию Data рядом с программой, иначе "
                     "../share/quillmoor/Data)."),
      QStringLiteral("DIR"));
  const QCommandLineOption userDir(
      QStringLiteral("user-dir"),
      QStringLiteral("Папка для Config.ini игрока (по умолчанию Data, если в неё можно "
                     "писать, иначе ~/.config/quillmoor)."),
      QStringLiteral("DIR"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Сохранить вид окна после загрузки в PNG-файл и завершиться."),
      QStringLiteral("FILE"));
  const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("Эта справка."));
  const QCommandLineOption version(QStringLiteral("version"),
                                   QStringLiteral("Номер версии."));
  parser.addOptions({data, userDir, screenshot, help, version});

  SettingsCommandLine line;
  // Without an application object Qt cannot name the program itself.
  line.helpText = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                            QStringLiteral("quillmoor-settings"));
  if (!parser.parse(arguments)) {
    line.error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    line.error = QStringLiteral("лишний аргумент ") + parser.positionalArguments().first();
  }
  for (const QCommandLineOption* option : {&data, &userDir}) {
    if (line.error.isEmpty() && parser.isSet(*option) && parser.value(*option).isEmpty()) {
      line.error = QStringLiteral("--") + option->names().first() + QStringLiteral(": нужна папка");
    }
  }
  if (parser.isSet(data)) line.data = ToPath(parser.value(data));
  if (parser.isSet(userDir)) line.userDir = ToPath(parser.value(userDir));
  if (parser.isSet(screenshot)) line.screenshot = parser.value(screenshot);
  line.help = parser.isSet(help);
  line.version = parser.isSet(version);
  return line;
}

std::optional<int> FinishWithoutWindow(const SettingsCommandLine& line) {
  if (!line.error.isEmpty()) {
    PrintError(line.error);
    std::fputs(line.helpText.toUtf8().constData(), stderr);
    return 2;
  }
  if (line.help) {
    std::fputs(line.helpText.toUtf8().constData(), stdout);
    return 0;
  }
  if (line.version) {
    std::fputs("Quillmoor " QUILLMOOR_VERSION "\n", stdout);
    return 0;
  }
  return std::nullopt;
}

FilePlaces SettingsFilePlaces(const SettingsCommandLine& line,
                              const std::filesystem::path& programDirectory,
                              const UserEnvironment& environment) {
  return FindFilePlaces({programDirectory, line.data, line.userDir, environment});
}

int RunSettingsProgram(const QStringList& arguments, const ErrorReporter& reportError) {
  const SettingsCommandLine line = ParseSettingsCommandLine(arguments);
  if (const std::optional<int> status = FinishWithoutWindow(line)) return *status;

  const FilePlaces places = SettingsFilePlaces(
      line, ToPath(QCoreApplication::applicationDirPath()), CurrentUserEnvironment());
  const bool screenshotOnly = line.screenshot.has_value();

  SettingsValues values;
  try {
    values = LoadSettings(ConfigFileToRead(places));
  } catch (const FatalError& error) {
    const QString message = QString::fromUtf8(error.what());
    PrintError(message);
    if (!screenshotOnly) reportError(nullptr, message);
    return 1;
  }

  SettingsDialog dialog(values, ConfigFileToWrite(places), reportError);
  dialog.SetControlsFile(ControlsFileIn(places.config));
  if (screenshotOnly) {
    if (!dialog.grab().save(*line.screenshot, "PNG")) {
      PrintError(QStringLiteral("не удаётся записать снимок ") + *line.screenshot);
      return 1;
    }
    return 0;
  }
  // The player's own folder may not exist yet; a failure shows on saving.
  if (!places.IsPortable()) {
    std::error_code ignored;
    std::filesystem::create_directories(places.config, ignored);
  }
  dialog.exec();
  return 0;
}

}  // namespace quillmoor
