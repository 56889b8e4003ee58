#include "besttimes/best_times.h"

#include <gmock/gmock.h>

#include <cmath>

#include "besttimes/best_times_file.h"
#include "platform/recording/recording_platform.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::AllOf;
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
  // The names file and the times file as they are on disk.
  std::pair<std::string, std::string> OnDisk() const {
    return {test::ReadAll(Data("Ch1.res")), test::ReadAll(Data("Ch2.res"))};
  }

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
  long FilesInData() const {
    return std::distance(std::filesystem::directory_iterator(dir_.path() / "Data"),
                         std::filesystem::directory_iterator());
  }

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
  EXPECT_EQ(FilesInData(), 2);  // nothing else left
}

TEST_F(BestTimes, ARaceTakesTheFirstRowItBeats) {
  ASSERT_EQ(Load(), "");
  // Against 50, 60, 70, 80: a tie never displaces the stored time.
  for (const auto& [time, rank] : {std::pair{65.0f, 3}, {60.0f, 3}, {80.0f, kNoRecordRank},
                                   {95.5f, kNoRecordRank}}) {
    SCOPED_TRACE(time);
    game_.best.RecordCheckDue = true;
    EXPECT_EQ(CheckNewRecord(game_.best, time), rank);
    EXPECT_EQ(std::tuple(game_.best.NewRecordRank, game_.best.RecordCheckDue), std::tuple(rank, false));
  }
}

TEST_F(BestTimes, NamesThatCannotBeDecodedLeaveTheTableEmpty) {
  dir_.Write("Data/Ch1.res", "\x01" + *EncodeNames({"", "a", "b", "c", "d"}));
  ASSERT_EQ(Load(), "");
  EXPECT_THAT(Dialogs(), ElementsAre(kDecodingBox));
  EXPECT_EQ(std::tie(game_.best.BestNames, game_.best.BestTimes), std::tuple(NameRows{}, TimeRows{}));
}

TEST_F(BestTimes, TimesThatCannotBeDecodedKeepTheNamesOfWhichFiveFieldsLoadFour) {
  std::string names = *EncodeNames({"", "a", "b", "c", "d"});
  names.insert(names.size() - 2, std::string(1, char(kFieldSeparator - kTableOffset)) + "b");
  dir_.Write("Data/Ch1.res", names);
  dir_.Write("Data/Ch2.res", "\x10\r\n");
  ASSERT_EQ(Load(), "");
  EXPECT_THAT(Dialogs(), ElementsAre(kDecodingBox));
  EXPECT_EQ(std::tie(game_.best.BestNames, game_.best.BestTimes),
            std::tuple(NameRows{"", "a", "b", "c", "d"}, TimeRows{}));
  // With every time at 0 no race earns a row.
  EXPECT_EQ(CheckNewRecord(game_.best, 1), kNoRecordRank);
}

TEST_F(BestTimes, AnEncodingErrorWritesNeitherFile) {
  const auto before = OnDisk();
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
  EXPECT_EQ(OnDisk(), before);
}

TEST_F(BestTimes, AFailedWriteIsReportedKeepsTheRecordAndTheOldFilesAndTriesAgain) {
  const auto before = OnDisk();
  // Something in the way of the save's journal.
  const std::filesystem::path obstacle = Data(".quillmoor-best-times.journal");
  std::filesystem::create_directories(obstacle / "in the way");
  ASSERT_EQ(Load(), "");
  game_.best.BestNames[1] = "Новое";
  SaveBestTimes(game_);
  // It names the file, and why, in the game's language.
  EXPECT_THAT(Dialogs(), ElementsAre(AllOf(HasSubstr("Не удаётся записать файл"),
                                           HasSubstr("journal: на его месте папка."),
                                           HasSubstr("Рекорд не сохранён"))));
  EXPECT_EQ(game_.best.BestNames[1], "Новое");
  EXPECT_EQ(OnDisk(), before);
  EXPECT_EQ(FilesInData(), 3);  // no temporary file left

  std::filesystem::remove_all(obstacle);
  SaveBestTimes(game_);
  Game loaded{services_.platform, dir_.path() / "Data"};
  LoadBestTimes(loaded);
  EXPECT_EQ(loaded.best.BestNames[1], "Новое");
}

TEST_F(BestTimes, AnInstalledGameCopiesTheShippedTableAndSavesToThePlayersFolder) {
  const std::filesystem::path user = dir_.path() / "user" / "quillmoor";
  Game installed{services_.platform,
                 FilePlaces{dir_.path() / "Data", dir_.path() / "config", user, user / "log.txt"}};
  const auto shipped = OnDisk();
  LoadBestTimes(installed);
  EXPECT_EQ(std::pair(test::ReadAll(user / "Ch1.res"), test::ReadAll(user / "Ch2.res")), shipped);

  // The player's copy is read, not the shipped one, and only it changes.
  installed.best.BestTimes[1] = 40;
  SaveBestTimes(installed);
  installed.best = {};
  dir_.Write("Data/Ch2.res", *EncodeTimes({0, 1, 2, 3, 4}));
  LoadBestTimes(installed);
  EXPECT_EQ(installed.best.BestTimes, (TimeRows{0, 40, 60, 70, 80}));
  EXPECT_EQ(installed.best.BestNames[1], "Аня");
  EXPECT_EQ(OnDisk().first, shipped.first);
  EXPECT_THAT(Dialogs(), IsEmpty());
}

TEST_F(BestTimes, MissingOrMalformedFilesEndTheProgramNamingTheFile) {
  for (const auto& [n, bad] : {std::pair{'2', "\xFE\r\n"}, {'1', "\r\n"}}) {
    const std::string name = std::string("Ch") + n + ".res";
    dir_.Write("Data/" + name, bad);
    EXPECT_THAT(Load(), HasSubstr(Data(name.c_str()).string()));
    std::filesystem::remove(Data(name.c_str()));
    EXPECT_EQ(Load(), std::string("Файл ") + n + " таблицы не найден");
    EXPECT_EQ(icon_, MessageIcon::Critical);
  }
}

}  // namespace
}  // namespace quillmoor
