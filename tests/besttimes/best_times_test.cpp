#include "besttimes/best_times.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "besttimes/best_times_file.h"
#include "input/name_entry.h"
#include "shell/game.h"
#include "platform/recording/recording_platform.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr char kDecodingBox[] =
    "Dialog Что-то не так:( [information] Ошибка при дешифровании ^_^\r\nДанные не прочитаны";

class BestTimes : public ::testing::Test {
 protected:
  BestTimes() {
    dir_.Write("Data/Ch1.res", *EncodeNames({"", "Аня", "Борис", "Вика", "Гоша"}));
    dir_.Write("Data/Ch2.res", *EncodeTimes({0, 50, 60, 70, 80}));
  }

  std::filesystem::path Data(const char* name) const { return dir_.path() / "Data" / name; }

  // LoadBestTimes; the message of the fatal error it ends with, or "".
  std::string Load() {
    try {
      LoadBestTimes(game_);
    } catch (const FatalError& error) {
      icon_ = error.icon();
      return error.what();
    }
    return "";
  }

  std::vector<std::string> Dialogs() const { return services_.log.Starting("Dialog"); }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path() / "Data"};
  MessageIcon icon_ = MessageIcon::None;
};

TEST_F(BestTimes, SavedTableLoadsBack) {
  game_.best.BestNames = {"", "Ёлка-2", "Tess Marlo", "", "Щ № ё"};
  game_.best.BestTimes = {0, 87.34f, 101.5f, 0.00001f, 12345680.0f};
  SaveBestTimes(game_);

  Game loaded{services_.platform, dir_.path() / "Data"};
  LoadBestTimes(loaded);
  EXPECT_EQ(loaded.best.BestNames, game_.best.BestNames);
  EXPECT_EQ(loaded.best.BestTimes, game_.best.BestTimes);
  EXPECT_THAT(Dialogs(), IsEmpty());
  // Nothing but the two files is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path() / "Data"),
                          std::filesystem::directory_iterator()),
            2);
}

TEST_F(BestTimes, ARaceTakesTheFirstRowItBeats) {
  ASSERT_EQ(Load(), "");
  game_.best.RecordCheckDue = true;
  game_.sim.RaceTime = 65;
  CheckNewRecord(game_);
  EXPECT_EQ(game_.best.NewRecordRank, 3);
  EXPECT_FALSE(game_.best.RecordCheckDue);
  EXPECT_TRUE(game_.input.Text1.Visible);

  game_.sim.RaceTime = 60;  // a tie never displaces the stored time
  CheckNewRecord(game_);
  EXPECT_EQ(game_.best.NewRecordRank, 3);
}

TEST_F(BestTimes, ASlowRaceTakesNoRowAndOpensNoEntry) {
  ASSERT_EQ(Load(), "");
  for (const float time : {80.0f, 95.5f}) {
    game_.best.RecordCheckDue = true;
    game_.sim.RaceTime = time;
    CheckNewRecord(game_);
    EXPECT_EQ(game_.best.NewRecordRank, kNoRecordRank);
    EXPECT_FALSE(game_.best.RecordCheckDue);
    EXPECT_FALSE(game_.input.Text1.Visible);
  }
}

TEST_F(BestTimes, FiveFieldsLoadTheFirstFour) {
  std::string names = *EncodeNames({"", "a", "b", "c", "d"});
  names.insert(names.size() - 2, std::string(1, char(kFieldSeparator - kTableOffset)) + "b");
  dir_.Write("Data/Ch1.res", names);
  ASSERT_EQ(Load(), "");
  EXPECT_EQ(game_.best.BestNames, (NameRows{"", "a", "b", "c", "d"}));
}

TEST_F(BestTimes, NamesThatCannotBeDecodedLeaveTheTableEmpty) {
  dir_.Write("Data/Ch1.res", "\x01" + *EncodeNames({"", "a", "b", "c", "d"}));
  ASSERT_EQ(Load(), "");
  EXPECT_THAT(Dialogs(), ElementsAre(kDecodingBox));
  EXPECT_EQ(game_.best.BestNames, NameRows{});
  EXPECT_EQ(game_.best.BestTimes, TimeRows{});
}

TEST_F(BestTimes, TimesThatCannotBeDecodedKeepTheNames) {
  dir_.Write("Data/Ch2.res", "\x10\r\n");
  ASSERT_EQ(Load(), "");
  EXPECT_THAT(Dialogs(), ElementsAre(kDecodingBox));
  EXPECT_EQ(game_.best.BestNames[4], "Гоша");
  EXPECT_EQ(game_.best.BestTimes, TimeRows{});
  // With every time at 0 no race earns a row.
  game_.sim.RaceTime = 1;
  CheckNewRecord(game_);
  EXPECT_EQ(game_.best.NewRecordRank, kNoRecordRank);
}

TEST_F(BestTimes, AnEncodingErrorWritesNeitherFile) {
  const std::string names = test::ReadAll(Data("Ch1.res"));
  const std::string times = test::ReadAll(Data("Ch2.res"));
  ASSERT_EQ(Load(), "");

  game_.best.BestNames[2] = "tab\there";
  SaveBestTimes(game_);
  game_.best.BestNames[2] = "Борис 2";
  game_.best.BestTimes[3] = std::nanf("");
  SaveBestTimes(game_);

  EXPECT_THAT(Dialogs(),
              ElementsAre("Dialog Что-то не так:( [information] Ошибка при шифровании ^_^\r\n"
                          "Данные не записаны",
                          "Dialog Что-то не так:( [information] Ошибка при шифровании 2 ^_^\r\n"
                          "Данные не записаны"));
  EXPECT_EQ(test::ReadAll(Data("Ch1.res")), names);
  EXPECT_EQ(test::ReadAll(Data("Ch2.res")), times);
}

TEST_F(BestTimes, AFailedWriteLeavesBothOldFiles) {
  const std::string names = test::ReadAll(Data("Ch1.res"));
  const std::string times = test::ReadAll(Data("Ch2.res"));
  // Something in the way of the new times file.
  std::filesystem::create_directories(Data(".Ch2.res.new") / "in the way");
  ASSERT_EQ(Load(), "");
  game_.best.BestNames[1] = "Новое";
  EXPECT_THROW(SaveBestTimes(game_), FatalError);
  EXPECT_EQ(test::ReadAll(Data("Ch1.res")), names);
  EXPECT_EQ(test::ReadAll(Data("Ch2.res")), times);
  EXPECT_FALSE(std::filesystem::exists(Data(".Ch1.res.new")));
}

TEST_F(BestTimes, MissingFilesEndTheProgram) {
  std::filesystem::remove(Data("Ch2.res"));
  EXPECT_EQ(Load(), "Файл 2 таблицы не найден");
  EXPECT_EQ(icon_, MessageIcon::Critical);
  std::filesystem::remove(Data("Ch1.res"));
  EXPECT_EQ(Load(), "Файл 1 таблицы не найден");
  EXPECT_EQ(icon_, MessageIcon::Critical);
}

TEST_F(BestTimes, MalformedFilesEndTheProgramNamingTheFile) {
  dir_.Write("Data/Ch2.res", "\xFE\r\n");
  EXPECT_THAT(Load(), HasSubstr(Data("Ch2.res").string()));
  dir_.Write("Data/Ch1.res", "\r\n");
  EXPECT_THAT(Load(), HasSubstr(Data("Ch1.res").string()));
}

}  // namespace
}  // namespace quillmoor
