// Typing a name into the best-times table after a fast race.

#include "input/name_entry.h"

#include <gtest/gtest.h>

#include "besttimes/best_times_file.h"
#include "input/mouse_input.h"
#include "shell/event_dispatch.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

class NameEntry : public ::testing::Test {
 protected:
  NameEntry() { Form_MouseDown(game(), MouseButton::Left, 0, 0); }  // past the intro

  Game& game() { return g_.game; }
  const NameBox& box() { return g_.game.input.Text1; }

  // A race ends in the given time; the next menu tick checks the table.
  void FinishRace(float seconds) {
    game().sim.RaceTime = seconds;
    EndRace(game());
    MenuTick(game());
  }
  void Send(InputEvent::Kind kind, int key, std::string_view text = "") {
    InputEvent event;
    event.kind = kind;
    event.key = key;
    event.text = text;
    DispatchEvent(game(), g_.services.keyboard, event);
  }
  void Type(std::string_view text) { Send(InputEvent::Kind::TextInput, 0, text); }
  void Press(int key) { Send(InputEvent::Kind::KeyDown, key); }
  void Erase(int characters) {
    for (int i = 0; i < characters; ++i) Press(vk::Back);
  }

  std::filesystem::path Data(const char* file) const { return g_.dir.path() / "Data" / file; }
  NameRows NamesOnDisk() const {
    return DecodeNames(test::ReadAll(Data("Ch1.res")), Data("Ch1.res")).value();
  }
  TimeRows TimesOnDisk() const {
    return DecodeTimes(test::ReadAll(Data("Ch2.res")), Data("Ch2.res")).value();
  }

  test::LoadedGame g_;
};

TEST_F(NameEntry, AFastRaceOpensTheBoxWithTheDefaultName) {
  Type("x");  // the box is hidden: nothing reaches it
  Press(vk::Back);
  EXPECT_EQ(box().Text, "Имя");
  EXPECT_FALSE(box().Visible);

  FinishRace(170);
  EXPECT_EQ(game().best.NewRecordRank, 3);
  EXPECT_TRUE(box().Visible);
  EXPECT_TRUE(box().Focused);
  EXPECT_EQ(box().Text, "Имя");
}

TEST_F(NameEntry, KeepsTenCharactersTheTableCanStore) {
  FinishRace(100);
  Type("Ёж€");  // € is 0x88 in the table's code page
  Type("✓");
  Type("🙂");
  Type("\t");
  Type("\x1e");      // the table's field separator
  Type("\xC2\x98");  // U+0098, a control character without a code
  Type("a✓b");
  EXPECT_EQ(box().Text, "ИмяЁж€ab");
  Type("cde");
  EXPECT_EQ(box().Text, "ИмяЁж€abcd");
  Type("z");
  EXPECT_EQ(box().Text, "ИмяЁж€abcd");

  Erase(5);
  EXPECT_EQ(box().Text, "ИмяЁж");
  Erase(1);
  EXPECT_EQ(box().Text, "ИмяЁ");
  Erase(5);
  EXPECT_EQ(box().Text, "");
  Type("Ю");
  EXPECT_EQ(box().Text, "Ю");
}

TEST_F(NameEntry, EnterStoresTheRowAndSavesTheTable) {
  game().best.BestTimes = {0, 50, 60, 70, 80};
  FinishRace(65);
  ASSERT_EQ(game().best.NewRecordRank, 3);
  Erase(3);
  Type("Юля");
  Press(vk::Return);

  EXPECT_FALSE(box().Visible);
  EXPECT_FALSE(box().Focused);
  EXPECT_FALSE(game().sim.ShowRaceResult);
  EXPECT_EQ(game().sim.MenuItemState[2], 2);  // the page stays open
  const NameRows names{"", "Аня", "Bo", "Юля", "Dee"};
  const TimeRows times{0, 50, 60, 65, 80};  // the beaten 70 is gone
  EXPECT_EQ(game().best.BestNames, names);
  EXPECT_EQ(game().best.BestTimes, times);
  EXPECT_EQ(NamesOnDisk(), names);
  EXPECT_EQ(TimesOnDisk(), times);

  Type("q");  // the box is closed again
  EXPECT_EQ(box().Text, "Юля");
}

TEST_F(NameEntry, TheBoxKeepsItsTextForTheNextEntry) {
  FinishRace(160);
  Press(vk::Return);  // unchanged
  FinishRace(100);
  EXPECT_EQ(box().Text, "Имя");
  Erase(3);
  Type("Вася");
  Press(vk::Return);
  FinishRace(170);
  EXPECT_EQ(box().Text, "Вася");
  Press(vk::Return);

  EXPECT_EQ(NamesOnDisk(), (NameRows{"", "Вася", "Имя", "Вася", "Dee"}));
  EXPECT_EQ(TimesOnDisk(), (TimeRows{0, 100, 160, 170, 200}));
}

TEST_F(NameEntry, AClickOnThePageStoresTheNameWithoutSaving) {
  const std::string names = test::ReadAll(Data("Ch1.res"));
  const std::string times = test::ReadAll(Data("Ch2.res"));
  FinishRace(155);
  Type("X");
  Form_MouseDown(game(), MouseButton::Left, 100, 330);  // on "Выход": only the page closes

  EXPECT_EQ(game().best.BestNames[2], "ИмяX");
  EXPECT_EQ(game().best.BestTimes[2], 155);
  EXPECT_FALSE(box().Visible);
  EXPECT_FALSE(box().Focused);
  EXPECT_FALSE(game().sim.ShowRaceResult);
  EXPECT_EQ(game().sim.MenuItemState, (std::array<std::uint8_t, 5>{}));
  EXPECT_FALSE(game().sim.Exiting);
  EXPECT_EQ(test::ReadAll(Data("Ch1.res")), names);
  EXPECT_EQ(test::ReadAll(Data("Ch2.res")), times);

  // The next Enter saves the whole table, this row with it.
  FinishRace(140);
  Press(vk::Return);
  EXPECT_EQ(NamesOnDisk(), (NameRows{"", "ИмяX", "ИмяX", "Вий", "Dee"}));
  EXPECT_EQ(TimesOnDisk(), (TimeRows{0, 140, 155, 180, 200}));
}

}  // namespace
}  // namespace quillmoor
