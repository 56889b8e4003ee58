#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "settings/dialog/settings_dialog.h"

using namespace quillmoor;

namespace {

constexpr const char* kDefaultsText = "1\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n0\r\n";

// A Data folder, an optional Config.ini in it, and the dialog loaded from it
// with a reporter that records instead of showing a box.
struct Fixture {
  QTemporaryDir dir;
  std::filesystem::path config;
  QStringList errors;
  std::unique_ptr<SettingsDialog> dialog;

  explicit Fixture(const char* text = nullptr, const char* folder = "Data") {
    config = std::filesystem::path(dir.filePath(folder).toStdString()) / "Config.ini";
    if (text) {
      std::filesystem::create_directory(config.parent_path());
      std::ofstream(config, std::ios::binary) << text;
    }
    dialog = std::make_unique<SettingsDialog>(
        LoadSettings(config), config,
        [this](QWidget*, const QString& message) { errors << message; });
    dialog->show();
  }
  std::string Written() const {
    std::stringstream bytes;
    bytes << std::ifstream(config, std::ios::binary).rdbuf();
    return bytes.str();
  }
  // '-' cleared, 'x' ticked, '?' grey, for the three boxes.
  QString Boxes() const {
    QString shown;
    for (const QCheckBox* box : {dialog->Check1, dialog->Check2, dialog->Check3}) {
      shown += "-?x"[int(box->checkState())];
    }
    return shown;
  }
  uint Entries() const { return QDir(dir.filePath("Data")).count(); }  // with "." and ".."
  void Save() { QTest::mouseClick(dialog->Command1, Qt::LeftButton); }
};

// A click on the box's square, where a user aims.
void Click(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void loadedValuesShowAndSave_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QByteArray>("written");
    const QByteArray same;  // written as read
    QTest::newRow("no file") << QByteArray() << "-x-" << QByteArray(kDefaultsText);
    QTest::newRow("line 1: 0") << QByteArray("0\r\n5002\r\nh\r\n1\r\n1\r\n0\r\n") << "?x-" << same;
    QTest::newRow("line 1: 3") << QByteArray("3\r\n5002\r\nh\r\n1\r\n1\r\n0\r\n") << "?x-" << same;
    QTest::newRow("line 6 is 2") << QByteArray("255\r\n-32768\r\nh\r\n1\r\n0\r\n2\r\n") << "?-?"
                                 << same;
    // Blanks around numbers, "," or "." as separator, halves to even.
    QTest::newRow("line 5 is 1.5") << QByteArray(" 2 \r\n5002.4\r\nh\r\n2,5\r\n1.5\r\n3.5\r\n")
                                   << "x??" << QByteArray("2\r\n5002\r\nh\r\n2\r\n2\r\n4\r\n");
    QTest::newRow("three lines") << QByteArray("2\r\n6000\r\n10.0.0.7\r\n") << "xx-"
                                 << QByteArray("2\r\n6000\r\n10.0.0.7\r\n1\r\n1\r\n0\r\n");
    // Blanks and Windows-1251 bytes in line 3, LF ends and a seventh line.
    QTest::newRow("line 3 as is") << QByteArray("1\n-5\n  10.0.0.9 \xC0\n0\n0\n1\nseven\n") << "--x"
                                     << QByteArray("1\r\n-5\r\n  10.0.0.9 \xC0\r\n0\r\n0\r\n1\r\n");
  }
  void loadedValuesShowAndSave() {
    QFETCH(QByteArray, text);
    QFETCH(QString, boxes);
    QFETCH(QByteArray, written);
    Fixture f(text.isNull() ? nullptr : text.constData());
    QCOMPARE(f.Boxes(), boxes);
    std::filesystem::create_directories(f.config.parent_path());
    f.Save();
    QCOMPARE(f.Written(), (written.isNull() ? text : written).toStdString());
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QVERIFY(f.errors.isEmpty());
    QCOMPARE(f.Entries(), 3u);  // no temporary left behind
  }

  void userClicksNeverReachGrey() {
    Fixture f("0\r\n5002\r\nh\r\n1\r\n5\r\n9\r\n");
    QCOMPARE(f.Boxes(), QString("???"));
    for (TwoStateClickBox* box : {f.dialog->Check1, f.dialog->Check2, f.dialog->Check3}) {
      Click(box);  // from grey a click ticks, as in Qt's own order
      QCOMPARE(box->checkState(), Qt::Checked);
      for (int i = 0; i < 3; ++i) {
        Click(box);
        QVERIFY(box->checkState() != Qt::PartiallyChecked);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->checkState() != Qt::PartiallyChecked);
      }
    }
    Click(f.dialog->Check2);
    QCOMPARE(f.Boxes(), QString("x-x"));
    f.Save();
    QCOMPARE(f.Written(), std::string("2\r\n5002\r\nh\r\n1\r\n0\r\n1\r\n"));
  }

  void closingWritesNothing_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Закрыть") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Escape") << 2;
  }
  void closingWritesNothing() {
    QFETCH(int, how);
    const char* text = "1\r\n5002\r\nh\r\n1\r\n1\r\n0";  // no end on the last line
    Fixture f(text);
    Click(f.dialog->Check1);
    if (how == 0) QTest::mouseClick(f.dialog->Command2, Qt::LeftButton);
    if (how == 1) f.dialog->close();
    if (how == 2) QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(f.Written(), std::string(text));
    QCOMPARE(f.Entries(), 3u);
  }

  void failedSaveReportsAndStaysOpen() {
    Fixture f(nullptr, "NoData");
    f.Save();
    QCOMPARE(f.errors.size(), 1);
    QVERIFY2(f.errors[0].contains("Настройки не сохранены"), qPrintable(f.errors[0]));
    QVERIFY2(f.errors[0].contains("NoData"), qPrintable(f.errors[0]));
    QVERIFY(f.dialog->isVisible());
    QVERIFY(!std::filesystem::exists(f.config.parent_path()));

    Fixture g;
    std::filesystem::create_directories(g.config);  // a folder where the file should be
    g.Save();
    QCOMPARE(g.errors.size(), 1);
    QVERIFY(g.dialog->isVisible());
    QCOMPARE(g.Entries(), 3u);
  }

  void windowButtonsAndScreenshot() {
    Fixture f("3\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n1\r\n");
    SettingsDialog& d = *f.dialog;
    QCOMPARE(d.windowTitle(), QString("Настройка Quillmoor"));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.childAt(60, 110), static_cast<QWidget*>(d.Check3));  // drawn above the frame
    for (QCheckBox* box : {d.Check1, d.Check2, d.Check3}) {
      QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text() + " is cut"));
    }
    const QImage save = ButtonPicture("Сохранить").toImage();
    QCOMPARE(save.size(), QSize(95, 30));
    QCOMPARE(save.pixelColor(3, 3), QColor(64, 64, 64));  // the face
    QCOMPARE(ButtonPicture("Закрыть", 2.0).toImage().size(), QSize(190, 60));
    const QPixmap picture = d.grab();
    QCOMPARE(picture.toImage().pixelColor(4, 4), QColor(Qt::black));
    QVERIFY(QDir().mkpath(QUILLMOOR_SCREENSHOT_DIR));
    QVERIFY(picture.save(QUILLMOOR_SCREENSHOT_DIR "/settings.png"));
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_qtest.moc"
