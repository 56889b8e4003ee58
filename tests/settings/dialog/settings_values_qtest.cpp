#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/fatal_error.h"
#include "settings/config_writer.h"
#include "settings/dialog/settings_values.h"

using namespace quillmoor;

namespace {

std::filesystem::path Write(const QTemporaryDir& dir, const std::string& text) {
  const std::filesystem::path path = dir.filePath("Config.ini").toStdString();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::vector<std::string> FolderEntries(const QTemporaryDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

class SettingsValuesTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultsWithoutFile() {
    QTemporaryDir dir;
    const SettingsValues values = LoadSettings(dir.filePath("Config.ini").toStdString());
    QCOMPARE(values.DisplayMode, 1);
    QCOMPARE(values.Port, 5002);
    QCOMPARE(values.HostAddress, std::string("192.168.0.1"));
    QCOMPARE(values.OverlayOn, 1);  // the game's default is 0; Настройка's is 1
    QCOMPARE(values.MusicOn, 1);
    QCOMPARE(values.MotionBlur, 0);
  }

  void readsEveryLine() {
    QTemporaryDir dir;
    const SettingsValues values =
        LoadSettings(Write(dir, "2\r\n-7\r\n10.0.0.5\r\n0\r\n0\r\n1\r\nextra\r\n"));
    QCOMPARE(values.DisplayMode, 2);
    QCOMPARE(values.Port, -7);
    QCOMPARE(values.HostAddress, std::string("10.0.0.5"));
    QCOMPARE(values.OverlayOn, 0);
    QCOMPARE(values.MusicOn, 0);
    QCOMPARE(values.MotionBlur, 1);  // lines after the sixth are ignored
  }

  void numberRules() {
    QTemporaryDir dir;
    // Blanks around numbers, "," or "." as separator, halves to even.
    const SettingsValues values =
        LoadSettings(Write(dir, " 2 \r\n5002.4\r\nh\r\n2,5\r\n1.5\r\n3.5\r\n"));
    QCOMPARE(values.DisplayMode, 2);
    QCOMPARE(values.Port, 5002);
    QCOMPARE(values.OverlayOn, 2);
    QCOMPARE(values.MusicOn, 2);
    QCOMPARE(values.MotionBlur, 4);  // a byte here, not the game's on/off flag
  }

  void badLinesNameLineAndText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("shown");
    QTest::newRow("not a number") << QByteArray("abc\r\n") << "строка 1"
                                  << "«abc»";
    QTest::newRow("byte too big") << QByteArray("1\r\n1\r\nh\r\n256\r\n") << "строка 4"
                                  << "«256»";
    QTest::newRow("negative byte") << QByteArray("1\r\n1\r\nh\r\n1\r\n-1\r\n") << "строка 5"
                                   << "«-1»";
    QTest::newRow("port too big") << QByteArray("1\r\n32768\r\n") << "строка 2"
                                  << "«32768»";
    QTest::newRow("line 6 empty") << QByteArray("1\r\n1\r\nh\r\n1\r\n1\r\n\r\n") << "строка 6"
                                  << "«»";
  }
  void badLinesNameLineAndText() {
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const auto path = Write(dir, text.toStdString());
    try {
      LoadSettings(path);
      QFAIL("no error");
    } catch (const FatalError& error) {
      const QString message = QString::fromUtf8(error.what());
      QVERIFY2(message.contains(where), qPrintable(message));
      QVERIFY2(message.contains(shown), qPrintable(message));
      QVERIFY2(message.contains(QString::fromStdString(path.string())), qPrintable(message));
    }
  }

  void linesArePlainDecimalAndLine3AsRead() {
    SettingsValues values;
    values.DisplayMode = 255;
    values.Port = -32768;
    values.HostAddress = "  \xC0\xE4\xF0\xE5\xF1 ";  // Windows-1251 bytes and blanks
    values.OverlayOn = 0;
    values.MusicOn = 17;
    values.MotionBlur = 2;
    const auto lines = SettingsLines(values);
    QCOMPARE(ConfigFileText(lines),
             std::string("255\r\n-32768\r\n  \xC0\xE4\xF0\xE5\xF1 \r\n0\r\n17\r\n2\r\n"));
  }

  void saveThenLoadGivesTheSameValues() {
    QTemporaryDir dir;
    const std::filesystem::path path = dir.filePath("Config.ini").toStdString();
    SettingsValues values;
    values.DisplayMode = 0;
    values.Port = 1;
    values.HostAddress = " a b ";
    values.MotionBlur = 200;
    SaveSettings(path, values);
    QCOMPARE(LoadSettings(path), values);
    QCOMPARE(FolderEntries(dir), std::vector<std::string>{"Config.ini"});  // no leftovers
  }

  void boxStates_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("state");
    const int cleared = int(BoxState::Cleared), ticked = int(BoxState::Ticked),
              grey = int(BoxState::Grey);
    QTest::newRow("Check1 0") << 1 << 0 << grey;
    QTest::newRow("Check1 1") << 1 << 1 << cleared;
    QTest::newRow("Check1 2") << 1 << 2 << ticked;
    QTest::newRow("Check1 3") << 1 << 3 << grey;
    QTest::newRow("Check1 255") << 1 << 255 << grey;
    QTest::newRow("Check2 0") << 2 << 0 << cleared;
    QTest::newRow("Check2 1") << 2 << 1 << ticked;
    QTest::newRow("Check2 2") << 2 << 2 << grey;
    QTest::newRow("Check3 0") << 3 << 0 << cleared;
    QTest::newRow("Check3 1") << 3 << 1 << ticked;
    QTest::newRow("Check3 2") << 3 << 2 << grey;
    QTest::newRow("Check3 255") << 3 << 255 << grey;
  }
  void boxStates() {
    QFETCH(int, box);
    QFETCH(int, value);
    QFETCH(int, state);
    const BoxMeaning meaning = box == 1 ? kDisplayModeBox : box == 2 ? kMusicOnBox : kMotionBlurBox;
    const auto byte = std::uint8_t(value);
    QCOMPARE(int(StateOf(meaning, byte)), state);
    // Mapping the shown state back keeps the value, grey included.
    QCOMPARE(ValueOf(meaning, StateOf(meaning, byte), byte), byte);
    QCOMPARE(ValueOf(meaning, BoxState::Ticked, byte), meaning.ticked);
    QCOMPARE(ValueOf(meaning, BoxState::Cleared, byte), meaning.cleared);
  }
};

QTEST_APPLESS_MAIN(SettingsValuesTest)
#include "settings_values_qtest.moc"
