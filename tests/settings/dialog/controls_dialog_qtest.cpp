#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <utility>

#include "settings/dialog/controls_dialog.h"
#include "settings/dialog/qt_key_place.h"
#include "settings/dialog/settings_dialog.h"

using namespace quillmoor;

namespace {

constexpr int kReturn = 0x0D, kEscape = 0x1B, kControl = 0x11, kKeypad5 = 0x65, kF5 = 0x74,
              kTab = 0x09;
constexpr quint32 kXKeycodeOfQ = 16 + 8, kXKeycodeOfRightControl = 97 + 8;

// A folder, an optional controls file in it, and the window on that file
// with a reporter that records instead of showing a box.
struct Fixture {
  QTemporaryDir dir;
  std::filesystem::path file;
  QStringList errors;
  std::unique_ptr<ControlsDialog> dialog;

  explicit Fixture(const char* text = nullptr, const char* folder = "") {
    file = std::filesystem::path(dir.filePath(folder).toStdString()) / kControlsFile;
    if (text) std::ofstream(file, std::ios::binary) << text;
    dialog = std::make_unique<ControlsDialog>(
        file, [this](QWidget*, const QString& message) { errors << message; });
    dialog->show();
  }
  const ActionBinding& Shown(Action a) const { return dialog->bindings()[std::size_t(a)]; }
  QString KeyText(Action a, std::size_t i) const { return dialog->keySlot(a, i)->text(); }
  QString PadText(Action a, std::size_t i) const { return dialog->padSlot(a, i)->currentText(); }
  void Click(QWidget* button) const { QTest::mouseClick(button, Qt::LeftButton); }
  KeySlot* StartWaiting(Action a, std::size_t i) const {
    Click(dialog->keySlot(a, i));
    return dialog->keySlot(a, i);
  }
  void ChoosePad(Action a, std::size_t i, const QString& name) const {
    dialog->padSlot(a, i)->setCurrentIndex(dialog->padSlot(a, i)->findText(name));
  }
};

}  // namespace

class ControlsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void pressedKeyIsBoundShownAndSaved_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<quint32>("xKeycode");  // 0 as offscreen gives
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("key");
    const auto row = [](const char* name, int qtKey, Qt::KeyboardModifiers modifiers,
                        quint32 xKeycode, const char* shown, int key) {
      QTest::newRow(name) << qtKey << modifiers << xKeycode << QString(shown) << key;
    };
    row("letter", Qt::Key_K, {}, 0, "K", 'K');
    row("Alt+Return", Qt::Key_Return, Qt::AltModifier, 0, "Alt+Return", kReturn);
    row("keypad digit", Qt::Key_5, Qt::KeypadModifier, 0, "Keypad5", kKeypad5);
    row("function key", Qt::Key_F5, {}, 0, "F5", kF5);
    row("Tab stays", Qt::Key_Tab, {}, 0, "Tab", kTab);
    // AZERTY prints A where a US keyboard has Q: the place counts.
    row("by place", Qt::Key_A, {}, kXKeycodeOfQ, "Q", 'Q');
    row("right Control", Qt::Key_Control, {}, kXKeycodeOfRightControl, "Control", kControl);
    row("Backspace empties", Qt::Key_Backspace, {}, 0, "—", 0);
    row("Escape keeps the key", Qt::Key_Escape, {}, 0, "R", 'R');
  }
  void pressedKeyIsBoundShownAndSaved() {
    QFETCH(int, qtKey);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(quint32, xKeycode);
    QFETCH(QString, shown);
    QFETCH(int, key);
    const KeyChord bound{key, modifiers.testFlag(Qt::AltModifier)};
    Fixture f;
    KeySlot* slot = f.StartWaiting(Action::Restart, 0);
    f.Click(slot);  // a second click stops waiting and binds nothing
    QVERIFY(!slot->IsWaiting());
    QCOMPARE(f.dialog->bindings(), DefaultBindings());
    f.Click(slot);
    QTest::keyClick(slot, Qt::Key_Alt);  // Alt alone waits for its key
    QVERIFY(slot->IsWaiting());
    QCOMPARE(slot->text(), QString("Нажмите клавишу…"));
    if (xKeycode == 0) {
      QTest::keyClick(slot, Qt::Key(qtKey), modifiers);
    } else {
      QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, xKeycode, 0, 0);
      QApplication::sendEvent(slot, &press);
    }
    QVERIFY(!slot->IsWaiting());
    QVERIFY(f.dialog->isVisible());  // Escape too only ends the wait
    QCOMPARE(slot->text(), shown);
    QCOMPARE(f.Shown(Action::Restart).keys[0], bound);
    f.Click(f.dialog->Save);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(ReadControlsFile(f.file).bindings[std::size_t(Action::Restart)].keys[0], bound);
  }

  void boundKeyOrPadLeavesItsOldSlot() {
    Fixture f;
    QTest::keyClick(f.StartWaiting(Action::Brake, 0), Qt::Key_W);
    QCOMPARE((QStringList{f.KeyText(Action::Brake, 0), f.KeyText(Action::Accelerate, 0)}),
             (QStringList{"W", "—"}));
    QCOMPARE(f.Shown(Action::Accelerate).keys[0], KeyChord{});
    QTest::keyClick(f.StartWaiting(Action::Camera, 1), Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(f.Shown(Action::FullScreen).keys[1], KeyChord{});
    QCOMPARE(f.Shown(Action::Camera).keys[0], (KeyChord{kReturn}));  // no Alt, another chord

    f.ChoosePad(Action::Brake, 0, "a");
    QCOMPARE(std::pair(f.Shown(Action::Brake).pad[0], f.Shown(Action::Accelerate).pad[1]),
             std::pair(std::string("a"), std::string()));
    QCOMPARE(f.PadText(Action::Accelerate, 1), QString("—"));
  }

  void defaultsAndSavedFileReadBack() {
    Fixture f("accelerate = K | x\n");
    const auto texts = [&] {
      return QStringList{f.KeyText(Action::Accelerate, 0), f.KeyText(Action::Accelerate, 1),
                         f.PadText(Action::Accelerate, 0), f.KeyText(Action::FullScreen, 1)};
    };
    QCOMPARE(texts(), (QStringList{"K", "—", "x", "Alt+Return"}));
    f.Click(f.dialog->Defaults);
    QCOMPARE(f.dialog->bindings(), DefaultBindings());
    QCOMPARE(texts(), (QStringList{"W", "Up", "righttrigger", "Alt+Return"}));

    QTest::keyClick(f.StartWaiting(Action::Pause, 1), Qt::Key_P);
    f.ChoosePad(Action::Pause, 1, "guide");
    f.ChoosePad(Action::Left, 0, "—");
    f.Click(f.dialog->Save);
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    const ControlsRead read = ReadControlsFile(f.file);
    QVERIFY(read.problems.empty());
    QCOMPARE(read.bindings, f.dialog->bindings());
    QCOMPARE(read.bindings[std::size_t(Action::Pause)],
             (ActionBinding{{KeyChord{kEscape}, KeyChord{'P'}}, {"start", "guide"}}));
    // The emptied first pad slot takes the second's control, as the file reads it.
    QCOMPARE(read.bindings[std::size_t(Action::Left)].pad,
             (std::array<std::string, 2>{"dpleft", ""}));
    QCOMPARE(f.PadText(Action::Left, 0), QString("dpleft"));
    QVERIFY(f.errors.isEmpty());
  }

  void failedSaveReportsAndStaysOpen() {
    Fixture f(nullptr, "Data");
    std::ofstream(f.file.parent_path()) << "a file where the folder should be";
    QTest::keyClick(f.StartWaiting(Action::Camera, 1), Qt::Key_C);
    f.Click(f.dialog->Save);
    QCOMPARE(f.errors.size(), 1);
    QVERIFY2(f.errors[0].contains("Управление не сохранено"), qPrintable(f.errors[0]));
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.Shown(Action::Camera).keys[1], KeyChord{'C'});  // nothing lost for a retry
  }

  void badLineIsReportedOnceAndTheRestKept() {
    Fixture f("# mine\nbrake = Nokey | b\naccelerate = K | x\nhover = Space |\nleft = J, L |\n");
    QCOMPARE(f.errors.size(), 1);
    QVERIFY2(f.errors[0].contains("строка 2") && f.errors[0].contains("строка 4"),
             qPrintable(f.errors[0]));
    QCOMPARE(f.Shown(Action::Brake), DefaultBindings()[std::size_t(Action::Brake)]);
    QCOMPARE(f.Shown(Action::Accelerate), (ActionBinding{{KeyChord{'K'}}, {"x", ""}}));
    QCOMPARE(f.Shown(Action::Left), (ActionBinding{{KeyChord{'J'}, KeyChord{'L'}}, {}}));
    f.Click(f.dialog->Save);
    QCOMPARE(f.errors.size(), 1);
    QCOMPARE(ReadControlsFile(f.file).bindings, f.dialog->bindings());
  }

  void closingWritesNothing() {
    const char* text = "camera = V |\n";
    for (bool byEscape : {false, true}) {
      Fixture f(text);
      QTest::keyClick(f.StartWaiting(Action::Camera, 0), Qt::Key_B);
      byEscape ? QTest::keyClick(f.dialog.get(), Qt::Key_Escape) : f.Click(f.dialog->Close);
      QVERIFY(!f.dialog->isVisible());
      QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
      std::stringstream kept;
      kept << std::ifstream(f.file, std::ios::binary).rdbuf();
      QCOMPARE(kept.str(), std::string(text));
    }
    Fixture none;
    none.Click(none.dialog->Close);
    QVERIFY(!std::filesystem::exists(none.file));
  }

  // Every key with a name in the file has a place, every place a name, and
  // the place wins over what the layout prints.
  void keyPlacesAndNamesMatch() {
    std::set<int> named, placed, fromQt;
    for (int key = 1; key < 256; ++key) {
      if (!KeyName(key).empty()) named.insert(key);
    }
    for (std::uint32_t code = 0; code < 256; ++code) {
      if (const int key = KeyAtEvdevCode(code)) placed.insert(key);
    }
    QCOMPARE(placed, named);
    // And without a scan code, Qt's keys reach every one of them too.
    for (int base : {0, int(Qt::Key_Escape)}) {
      for (int qtKey = base; qtKey < base + 256; ++qtKey) {
        for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::KeypadModifier}) {
          if (const int key = KeyOfQtKey(qtKey, modifiers)) fromQt.insert(key);
        }
      }
    }
    QCOMPARE(fromQt, named);
    for (int qtKey : {Qt::Key_Alt, Qt::Key_Meta, Qt::Key_AltGr, Qt::Key_Print, Qt::Key_Colon}) {
      QCOMPARE(KeyOfQtKey(qtKey, {}), 0);
    }
    QCOMPARE(KeyOfQtKey(Qt::Key_Minus, {}), *KeyByName("Minus"));
    QCOMPARE(KeyOfQtKey(Qt::Key_Minus, Qt::KeypadModifier), *KeyByName("KeypadMinus"));
    QCOMPARE(KeyOfQtKey(Qt::Key_Enter, Qt::KeypadModifier), kReturn);
    // Ц, which Qt reports as its code point, sits where W does.
    const QKeyEvent cyrillic(QEvent::KeyPress, 0x0426, {}, 17 + 8, 0, 0);
    QCOMPARE(KeyPlaceOf(cyrillic), int('W'));
  }

  void settingsWindowOpensControls() {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::ofstream(folder / kControlsFile) << "camera = Space | x\n";
    QStringList errors;
    SettingsDialog d(SettingsValues{}, folder / "Config.ini",
                     [&](QWidget*, const QString& message) { errors << message; });
    d.show();
    // The original five where they always were, in window coordinates.
    const QRect controlsButton(d.Command3->mapTo(&d, QPoint()), d.Command3->size());
    QVERIFY(d.rect().contains(controlsButton));
    const std::pair<QWidget*, QRect> originals[] = {
        {d.Check1, {48, 40, 185, 17}},    {d.Check2, {48, 72, 181, 17}},
        {d.Check3, {48, 104, 185, 17}},   {d.Command1, {40, 148, 97, 29}},
        {d.Command2, {136, 148, 97, 29}},
    };
    for (const auto& [widget, place] : originals) {
      QCOMPARE(QRect(widget->mapTo(&d, QPoint()), widget->size()), place);
      QVERIFY(!place.intersects(controlsButton));
    }
    QVERIFY(d.Command3->sizeHint().width() <= d.Command3->width());
    QVERIFY(!d.Command3->isEnabled());  // no file to edit yet

    d.SetControlsFile(folder / kControlsFile);
    QTest::mouseClick(d.Command3, Qt::LeftButton);
    auto* controls = d.findChild<ControlsDialog*>();
    QVERIFY(controls);
    QVERIFY(controls->isVisible() && controls->isModal());
    QCOMPARE(controls->keySlot(Action::Camera, 0)->text(), QString("Space"));
    QCOMPARE(controls->padSlot(Action::Camera, 0)->currentText(), QString("x"));

    KeySlot* waiting = controls->keySlot(Action::Brake, 1);
    QTest::mouseClick(waiting, Qt::LeftButton);
    QVERIFY(waiting->sizeHint().width() <= waiting->width());
    const QPixmap picture = controls->grab();
    QVERIFY(QDir().mkpath(QUILLMOOR_SCREENSHOT_DIR));
    QVERIFY(picture.save(QUILLMOOR_SCREENSHOT_DIR "/controls.png"));

    QTest::mouseClick(controls->Close, Qt::LeftButton);
    QTRY_VERIFY(!d.findChild<ControlsDialog*>());  // gone once closed
    QVERIFY(d.isVisible());
    QVERIFY(errors.isEmpty());
  }
};

QTEST_MAIN(ControlsDialogTest)
#include "controls_dialog_qtest.moc"
