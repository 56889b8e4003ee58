#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "settings/dialog/settings_program.h"

using namespace quillmoor;

namespace {

QString DataWith(const QTemporaryDir& dir, const QByteArray& config) {
  const QString data = dir.filePath("Data");
  QDir().mkpath(data);
  QFile file(data + "/Config.ini");
  if (file.open(QIODevice::WriteOnly)) file.write(config);
  return data;
}

struct Run {
  int status;
  QString standardError;
};

// The real program, for what only a process shows: exit status and stderr.
Run RunBinary(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(environment);
  process.start(QUILLMOOR_SETTINGS_BINARY, arguments);
  process.waitForFinished(-1);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class SettingsProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void badLineIsShownAndEndsWithStatus1() {
    QTemporaryDir dir;
    const QString data = DataWith(dir, "1\r\n5002\r\nh\r\nда\r\n");
    QStringList shown;
    const int status =
        RunSettingsProgram({"quillmoor-settings", "--data", data},
                           [&](QWidget*, const QString& message) { shown << message; });
    QCOMPARE(status, 1);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains("строка 4"), qPrintable(shown[0]));
    QVERIFY2(shown[0].contains("«\\xD0\\xB4\\xD0\\xB0»"), qPrintable(shown[0]));
    QVERIFY2(shown[0].contains(data), qPrintable(shown[0]));
  }

  void badCommandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--full-screen"};
    QTest::newRow("missing value") << QStringList{"--data"};
    QTest::newRow("stray argument") << QStringList{"Data"};
  }
  void badCommandLines() {
    QFETCH(QStringList, arguments);
    bool shown = false;
    const int status = RunSettingsProgram(QStringList{"quillmoor-settings"} + arguments,
                                          [&](QWidget*, const QString&) { shown = true; });
    QCOMPARE(status, 2);
    QVERIFY(!shown);
  }

  void screenshotOfTheLoadedDialog() {
    QTemporaryDir dir;
    const QString data = DataWith(dir, "2\r\n5002\r\nh\r\n1\r\n0\r\n1\r\n");
    const QString png = dir.filePath("shot.png");
    QCOMPARE(RunSettingsProgram({"quillmoor-settings", "--data", data, "--screenshot", png}), 0);
    QImage image(png);
    QCOMPARE(image.size(), QSize(279, 208));
    // Loading alone writes nothing.
    QFile config(data + "/Config.ini");
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll(), QByteArray("2\r\n5002\r\nh\r\n1\r\n0\r\n1\r\n"));
  }

  void binaryExitStatuses() {
    QTemporaryDir dir;
    const Run unknown = RunBinary({"--bogus"});
    QCOMPARE(unknown.status, 2);
    QVERIFY2(unknown.standardError.contains("bogus"), qPrintable(unknown.standardError));
    QVERIFY2(unknown.standardError.contains("--screenshot"), qPrintable(unknown.standardError));

    const QString png = dir.filePath("shot.png");
    const Run shot = RunBinary({"--data", dir.filePath("none"), "--screenshot", png});
    QCOMPARE(shot.status, 0);
    QCOMPARE(QImage(png).size(), QSize(279, 208));

    // With only a screenshot asked for, the error is printed, not shown.
    const QString data = DataWith(dir, "x\r\n");
    const Run bad = RunBinary({"--data", data, "--screenshot", png});
    QCOMPARE(bad.status, 1);
    QVERIFY2(bad.standardError.contains("строка 1"), qPrintable(bad.standardError));
  }
};

QTEST_MAIN(SettingsProgramTest)
#include "settings_program_qtest.moc"
