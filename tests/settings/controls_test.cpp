#include "settings/controls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/input.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

ActionBinding Of(const Bindings& bindings, Action action) { return bindings[std::size_t(action)]; }

TEST(Controls, TheFileWritesAndReadsBackEveryBinding) {
  test::TempDir dir;
  Bindings bindings = DefaultBindings();
  bindings[std::size_t(Action::Accelerate)] = {{KeyChord{'I'}, KeyChord{0xBB, true}},
                                               {"x", "righty-"}};
  bindings[std::size_t(Action::Pause)] = {};
  const std::filesystem::path file = dir.path() / "sub" / "quillmoor.ini";
  WriteControlsFile(file, bindings);
  const ControlsRead read = ReadControlsFile(file);
  EXPECT_THAT(read.problems, IsEmpty());
  EXPECT_EQ(read.bindings, bindings);
  EXPECT_THAT(test::ReadAll(file), HasSubstr("\naccelerate = I, Alt+Equals | x, righty-\n"));
  EXPECT_THAT(test::ReadAll(file), HasSubstr("\npause = |\n"));

  // Rewriting the bindings keeps the file's other settings.
  std::ofstream(file, std::ios::app) << "interpolation = OFF\nghosts = off\n";
  ASSERT_EQ(ReadControlsFile(file).options, (GameOptions{false, false}));
  WriteControlsFile(file, DefaultBindings());
  EXPECT_EQ(ReadControlsFile(file).options, (GameOptions{false, false}));
  EXPECT_THAT(test::ReadAll(file), HasSubstr("\nghost = G | x\n"));
  EXPECT_EQ(ReadControlsFile(file).bindings, DefaultBindings());
}

TEST(Controls, ABadLineIsNamedAndKeepsItsDefaultTheRestIsRead) {
  const ControlsRead read = ParseControls(
      "# comment\n"
      "  Brake = k ,  Down|lefttrigger\r\n"
      "jump = Space\n"
      "left = Q, W, E\n"
      "right = D | trigger\n"
      "camera = Hyper\n"
      "restart\n"
      "pause = | start, b, y\n"
      "interpolation = maybe\n",
      "quillmoor.ini");
  EXPECT_EQ(Of(read.bindings, Action::Brake),
            (ActionBinding{{KeyChord{'K'}, KeyChord{vk::Down}}, {"lefttrigger", ""}}));
  for (Action kept : {Action::Left, Action::Right, Action::Camera, Action::Restart, Action::Pause}) {
    EXPECT_EQ(Of(read.bindings, kept), Of(DefaultBindings(), kept)) << ActionName(kept);
  }
  ASSERT_EQ(read.problems.size(), 7u);
  EXPECT_TRUE(read.options.interpolation);
  EXPECT_THAT(read.problems[6], HasSubstr("нужно on или off"));
  EXPECT_THAT(read.problems[0], HasSubstr("quillmoor.ini, строка 3: «jump = Space» — нет такого действия"));
  const char* said[] = {"строка 4", "«trigger»", "«Hyper»", "строка 7", "больше двух кнопок пульта"};
  for (std::size_t i = 1; i < 6; ++i) EXPECT_THAT(read.problems[i], HasSubstr(said[i - 1]));
}

TEST(Controls, NoFileGivesTheDefaultsAnOversizedOrUnreadableOneIsNamedToo) {
  test::TempDir dir;
  ControlsRead read = ReadControlsFile(dir.path() / "quillmoor.ini");
  EXPECT_THAT(read.problems, IsEmpty());
  EXPECT_EQ(read.bindings, DefaultBindings());
  read = ReadControlsFile(dir.Write("quillmoor.ini", std::string(70 * 1024, '#')));
  EXPECT_THAT(read.problems, ElementsAre(HasSubstr("больше 64 КиБ")));
  EXPECT_EQ(read.bindings, DefaultBindings());
  std::filesystem::create_directories(dir.path() / "folder.ini");
  EXPECT_EQ(ReadControlsFile(dir.path() / "folder.ini").bindings, DefaultBindings());
}

TEST(Controls, KeyNamesAreMatchedInAnyCaseAndWrittenOneWay) {
  EXPECT_EQ(ChordByName("alt+return"), (KeyChord{vk::Return, true}));
  EXPECT_EQ(ChordByName("f11"), (KeyChord{vk::F11, false}));
  EXPECT_EQ(ChordByName("w"), (KeyChord{vk::W, false}));
  EXPECT_FALSE(ChordByName("Alt+"));
  EXPECT_FALSE(ChordByName("ц"));
  for (int key = 0; key < 256; ++key) {
    const std::string name = KeyName(key);
    if (!name.empty()) {
      EXPECT_EQ(KeyByName(name), key) << name;
    }
  }
}

}  // namespace
}  // namespace quillmoor
