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
    const std::filesystem::path data = dir.filePath(folder).toStdString();
    if (text) {
      std::filesystem::create_directory(data);
      std::ofstream(data / "Config.ini", std::ios::binary) << text;
    }
    config = data / "Config.ini";
    dialog = std::make_unique<SettingsDialog>(
        LoadSettings(config), config,
        [this](QWidget*, const QString& message) { errors << message; });
    dialog->show();
  }

  std::string Written() const {
    std::ifstream in(config, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

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
  void windowAndControls() {
    Fixture f;
    SettingsDialog& d = *f.dialog;
    QCOMPARE(d.windowTitle(), QString("Настройка Quillmoor"));
    QCOMPARE(d.size(), QSize(279, 208));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(d.Frame1->geometry(), QRect(12, 8, 253, 189));
    QVERIFY(d.Frame1->title().isEmpty());
    // Window coordinates, whatever the parent.
    auto at = [&](QWidget* w) { return QRect(w->mapTo(&d, QPoint(0, 0)), w->size()); };
    QCOMPARE(at(d.Check1), QRect(48, 40, 185, 17));
    QCOMPARE(at(d.Check2), QRect(48, 72, 181, 17));
    QCOMPARE(at(d.Check3), QRect(48, 104, 185, 17));
    QCOMPARE(at(d.Command1), QRect(40, 148, 97, 29));
    QCOMPARE(at(d.Command2), QRect(136, 148, 97, 29));
    QCOMPARE(d.Check1->parentWidget(), d.Frame1);
    QCOMPARE(d.Check3->parentWidget(), static_cast<QWidget*>(&d));
    QCOMPARE(d.childAt(60, 110), static_cast<QWidget*>(d.Check3));  // drawn above the frame
    QCOMPARE(d.Check1->text(), QString("Полноэкранный режим"));
    QCOMPARE(d.Check2->text(), QString("Музыка"));
    QCOMPARE(d.Check3->text(), QString("Размытие в движении"));
    for (QCheckBox* box : {d.Check1, d.Check2, d.Check3}) {
      QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text() + " is cut"));
    }
    QVERIFY(d.Check1->font().bold());
    QCOMPARE(d.Check1->font().families().first(), QString("Comic Sans MS"));
    QCOMPARE(d.Check1->palette().color(QPalette::WindowText), QColor(Qt::white));
  }

  void buttonPictures() {
    const QImage save = ButtonPicture("Сохранить").toImage();
    QCOMPARE(save.size(), QSize(95, 30));
    QCOMPARE(save.pixelColor(3, 3), QColor(64, 64, 64));  // the face
    int white = 0;
    for (int y = 0; y < save.height(); ++y)
      for (int x = 0; x < save.width(); ++x) white += save.pixelColor(x, y) == Qt::white;
    QVERIFY2(white > 30, "no word on the button");
    QVERIFY(ButtonPicture("Закрыть").toImage() != save);
    QCOMPARE(ButtonPicture("Закрыть", 2.0).toImage().size(), QSize(190, 60));
  }

  void noFileShowsDefaultsAndSavesThem() {
    Fixture f;
    QCOMPARE(f.dialog->Check1->checkState(), Qt::Unchecked);
    QCOMPARE(f.dialog->Check2->checkState(), Qt::Checked);
    QCOMPARE(f.dialog->Check3->checkState(), Qt::Unchecked);
    std::filesystem::create_directory(f.config.parent_path());
    f.Save();
    QCOMPARE(f.Written(), std::string(kDefaultsText));
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QVERIFY(f.errors.isEmpty());
  }

  void greyValuesAreWrittenBack_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("greyBox");
    QTest::newRow("line 1 is 0") << QByteArray("0\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n0\r\n") << 1;
    QTest::newRow("line 1 is 3") << QByteArray("3\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n0\r\n") << 1;
    QTest::newRow("line 5 is 7") << QByteArray("1\r\n5002\r\n192.168.0.1\r\n1\r\n7\r\n0\r\n") << 2;
    QTest::newRow("line 6 is 2") << QByteArray("1\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n2\r\n") << 3;
    QTest::newRow("all grey") << QByteArray("9\r\n5002\r\n192.168.0.1\r\n1\r\n9\r\n9\r\n") << 0;
  }
  void greyValuesAreWrittenBack() {
    QFETCH(QByteArray, text);
    QFETCH(int, greyBox);
    Fixture f(text.constData());
    const QCheckBox* boxes[] = {f.dialog->Check1, f.dialog->Check2, f.dialog->Check3};
    for (int i = 0; i < 3; ++i) {
      const bool grey = greyBox == 0 || greyBox == i + 1;
      QCOMPARE(boxes[i]->checkState() == Qt::PartiallyChecked, grey);
    }
    f.Save();
    QCOMPARE(f.Written(), text.toStdString());
  }

  void threeLinesSaveAllSix() {
    Fixture f("2\r\n6000\r\n10.0.0.7\r\n");
    QCOMPARE(f.dialog->Check1->checkState(), Qt::Checked);
    f.Save();
    QCOMPARE(f.Written(), std::string("2\r\n6000\r\n10.0.0.7\r\n1\r\n1\r\n0\r\n"));
  }

  void passThroughLinesKeptExactly() {
    // Blanks and Windows-1251 bytes in line 3, a negative port, overlay off,
    // LF line ends and a seventh line: the six lines come back in CR LF.
    Fixture f("1\n-5\n  10.0.0.9 \xC0\n0\n0\n1\nseven\n");
    f.Save();
    QCOMPARE(f.Written(), std::string("1\r\n-5\r\n  10.0.0.9 \xC0\r\n0\r\n0\r\n1\r\n"));
  }

  void fractionalMusicReadsTwoAndShowsGrey() {
    Fixture f("1\r\n5002\r\n192.168.0.1\r\n1\r\n1.5\r\n0\r\n");
    QCOMPARE(f.dialog->values().MusicOn, 2);
    QCOMPARE(f.dialog->Check2->checkState(), Qt::PartiallyChecked);
    f.Save();
    QCOMPARE(f.Written(), std::string("1\r\n5002\r\n192.168.0.1\r\n1\r\n2\r\n0\r\n"));
  }

  void clicksChangeValues() {
    Fixture f("1\r\n5002\r\nh\r\n1\r\n1\r\n0\r\n");
    Click(f.dialog->Check1);
    Click(f.dialog->Check2);
    Click(f.dialog->Check3);
    QCOMPARE(f.dialog->Check1->checkState(), Qt::Checked);
    QCOMPARE(f.dialog->Check2->checkState(), Qt::Unchecked);
    QCOMPARE(f.dialog->Check3->checkState(), Qt::Checked);
    f.Save();
    QCOMPARE(f.Written(), std::string("2\r\n5002\r\nh\r\n1\r\n0\r\n1\r\n"));
  }

  void userNeverReachesGrey() {
    Fixture f("0\r\n5002\r\nh\r\n1\r\n5\r\n9\r\n");
    TwoStateClickBox* boxes[] = {f.dialog->Check1, f.dialog->Check2, f.dialog->Check3};
    for (TwoStateClickBox* box : boxes) {
      QCOMPARE(box->checkState(), Qt::PartiallyChecked);
      // From grey a click ticks, as Qt's own order does; then only two states.
      Click(box);
      QCOMPARE(box->checkState(), Qt::Checked);
      for (int i = 0; i < 4; ++i) {
        Click(box);
        QVERIFY(box->checkState() != Qt::PartiallyChecked);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->checkState() != Qt::PartiallyChecked);
      }
    }
    f.Save();
    QCOMPARE(f.Written(), std::string("2\r\n5002\r\nh\r\n1\r\n1\r\n1\r\n"));
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
    QCOMPARE(QDir(f.dir.filePath("Data")).count(), 3u);  // ".", ".." and Config.ini
  }

  void saveIntoMissingFolderReportsAndStaysOpen() {
    Fixture f(nullptr, "NoData");
    f.Save();
    QCOMPARE(f.errors.size(), 1);
    QVERIFY2(f.errors[0].contains("Настройки не сохранены"), qPrintable(f.errors[0]));
    QVERIFY2(f.errors[0].contains("NoData"), qPrintable(f.errors[0]));
    QVERIFY(f.dialog->isVisible());
    QVERIFY(!std::filesystem::exists(f.config.parent_path()));
    // Once the folder is there, the next press saves.
    std::filesystem::create_directory(f.config.parent_path());
    f.Save();
    QCOMPARE(f.Written(), std::string(kDefaultsText));
    QVERIFY(!f.dialog->isVisible());
  }

  void saveOverUnwritableEntryReportsAndKeepsIt() {
    Fixture f;
    std::filesystem::create_directories(f.config);  // a folder where the file should be
    f.Save();
    QCOMPARE(f.errors.size(), 1);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(std::filesystem::is_directory(f.config));
    QCOMPARE(QDir(f.dir.filePath("Data")).count(), 3u);  // no temporary left behind
  }

  void screenshot() {
    Fixture f("3\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n1\r\n");
    const QPixmap picture = f.dialog->grab();
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(279, 208));
    const QImage image = picture.toImage();
    QCOMPARE(image.pixelColor(4, 4), QColor(Qt::black));
    QCOMPARE(image.pixelColor(image.width() - 4, image.height() - 4), QColor(Qt::black));
    QVERIFY(QDir().mkpath(QUILLMOOR_SCREENSHOT_DIR));
    QVERIFY(picture.save(QUILLMOOR_SCREENSHOT_DIR "/settings.png"));
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_qtest.moc"
