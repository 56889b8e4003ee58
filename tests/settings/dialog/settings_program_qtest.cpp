#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "settings/dialog/settings_program.h"

using namespace quillmoor;

class SettingsProgramTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString DataWith(const QByteArray& config) {
    const QString data = dir_.filePath("Data");
    QDir().mkpath(data);
    QFile file(data + "/Config.ini");
    if (file.open(QIODevice::WriteOnly)) file.write(config);
    return data;
  }

  // The real program, for what only a process shows: exit status and stderr.
  // Without a display unless one is asked for.
  static int RunBinary(const QStringList& arguments, QString* standardError,
                       QString* standardOutput = nullptr, bool offscreen = true) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(name);
    }
    if (offscreen) environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QUILLMOOR_SETTINGS_BINARY, arguments);
    process.waitForFinished(-1);
    *standardError = QString::fromUtf8(process.readAllStandardError());
    if (standardOutput) *standardOutput = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

 private slots:
  void helpVersionAndBadOptionNeedNoDisplay() {
    QString standardError, standardOutput;
    QCOMPARE(RunBinary({"--help"}, &standardError, &standardOutput, false), 0);
    QVERIFY2(standardOutput.contains("quillmoor-settings") && standardOutput.contains("--user-dir"),
             qPrintable(standardOutput));
    QCOMPARE(RunBinary({"--version"}, &standardError, &standardOutput, false), 0);
    QCOMPARE(standardOutput, QString("Quillmoor " QUILLMOOR_VERSION "\n"));
    QCOMPARE(RunBinary({"--bogus"}, &standardError, nullptr, false), 2);
    QVERIFY2(standardError.contains("bogus") && standardError.contains("--screenshot"),
             qPrintable(standardError));
  }

  // The game's side of this is in its own test.
  void configIsWrittenWhereTheGameReadsIt() {
    const QString program = dir_.filePath("usr/bin"), xdg = dir_.filePath("xdg");
    QDir().mkpath(program);
    QDir().mkpath(dir_.filePath("usr/share/quillmoor/Data"));
    const UserEnvironment environment{xdg.toStdString(), "", "/home/ann"};
    const auto configFor = [&](const QStringList& arguments) {
      return ConfigFileToWrite(SettingsFilePlaces(
          ParseSettingsCommandLine(QStringList{"quillmoor-settings"} + arguments),
          program.toStdString(), environment));
    };
    QCOMPARE(configFor({}), std::filesystem::path(xdg.toStdString()) / "quillmoor/Config.ini");
    QCOMPARE(configFor({"--user-dir", "/mine"}), std::filesystem::path("/mine/Config.ini"));
  }

  void badLineOrCommandLine() {
    QStringList shown;
    const auto record = [&](QWidget*, const QString& message) { shown << message; };
    for (const QStringList& arguments :
         {QStringList{"--full-screen"}, QStringList{"--data"}, QStringList{"Data"},
          QStringList{"--user-dir="}}) {
      QCOMPARE(RunSettingsProgram(QStringList{"quillmoor-settings"} + arguments, record), 2);
    }
    QVERIFY(shown.isEmpty());
    const QString data = DataWith("1\r\n5002\r\nh\r\nx\r\n");
    QCOMPARE(RunSettingsProgram({"quillmoor-settings", "--data", data}, record), 1);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains("строка 4"), qPrintable(shown[0]));
  }

  void screenshotWritesNothingAndPrintsAnError() {
    QString standardError;
    // A screenshot of the loaded dialog; loading alone writes nothing.
    const QByteArray config = "2\r\n5002\r\nh\r\n1\r\n0\r\n1\r\n";
    const QString data = DataWith(config), png = dir_.filePath("shot.png");
    QCOMPARE(RunBinary({"--data", data, "--screenshot", png}, &standardError), 0);
    QCOMPARE(QImage(png).size(), QSize(279, 208));
    QFile file(data + "/Config.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), config);

    // With only a screenshot asked for, the error is printed, not shown.
    DataWith("x\r\n");
    QCOMPARE(RunBinary({"--data", data, "--screenshot", png}, &standardError), 1);
    QVERIFY2(standardError.contains("строка 1"), qPrintable(standardError));
  }
};

QTEST_MAIN(SettingsProgramTest)
#include "settings_program_qtest.moc"
