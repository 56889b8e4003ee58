#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "platform/fatal_error.h"
#include "settings/dialog/settings_values.h"

using namespace quillmoor;

class SettingsValuesTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  std::filesystem::path Write(const QByteArray& text) {
    const std::filesystem::path path = dir_.filePath("Config.ini").toStdString();
    std::ofstream(path, std::ios::binary) << text.toStdString();
    return path;
  }

 private slots:
  void badLineNamesLineAndText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("shown");
    QTest::newRow("not a number") << QByteArray("abc\r\n") << "строка 1" << "«abc»";
    QTest::newRow("port too big") << QByteArray("1\r\n32768\r\n") << "строка 2" << "«32768»";
    QTest::newRow("byte too big") << QByteArray("1\r\n1\r\nh\r\n256\r\n") << "строка 4" << "«256»";
    QTest::newRow("other bytes") << QByteArray("1\r\n1\r\nh\r\nда\r\n") << "строка 4"
                                 << "«\\xD0\\xB4\\xD0\\xB0»";
    QTest::newRow("negative byte") << QByteArray("1\r\n1\r\nh\r\n1\r\n-1\r\n") << "строка 5"
                                   << "«-1»";
    QTest::newRow("line 6 empty") << QByteArray("1\r\n1\r\nh\r\n1\r\n1\r\n\r\n") << "строка 6"
                                  << "«»";
  }
  void badLineNamesLineAndText() {
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    QFETCH(QString, shown);
    const std::filesystem::path path = Write(text);
    try {
      LoadSettings(path);
      QFAIL("no error");
    } catch (const FatalError& error) {
      const QString message = QString::fromUtf8(error.what());
      for (const QString& part : {where, shown, QString::fromStdString(path.string())}) {
        QVERIFY2(message.contains(part), qPrintable(message));
      }
    }
  }
};

QTEST_APPLESS_MAIN(SettingsValuesTest)
#include "settings_values_qtest.moc"
