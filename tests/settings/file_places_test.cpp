#include "settings/file_places.h"

#include <gtest/gtest.h>

#include "shell/command_line.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

// A program folder inside a temporary tree, laid out as a build tree or as
// an installed prefix.
class FilePlacesTest : public ::testing::Test {
 protected:
  std::filesystem::path Prefix() const { return dir_.path() / "usr"; }
  std::filesystem::path Program() const { return Prefix() / "bin"; }
  std::filesystem::path Shipped() const { return Prefix() / "share/quillmoor/Data"; }

  void Install() const {
    dir_.Write("usr/share/quillmoor/Data/map.res", "x");
    std::filesystem::create_directories(Program());
  }
  void Portable() const { dir_.Write("usr/bin/Data/map.res", "x"); }

  FilePlaces Find(std::optional<std::filesystem::path> data = {},
                  std::optional<std::filesystem::path> user = {}) const {
    return FindFilePlaces({Program(), data, user, environment_});
  }

  // Where the player's files go: config, user and the log file.
  using Paths = std::vector<std::filesystem::path>;
  static Paths PlayerFiles(const FilePlaces& places) {
    return {places.config, places.user, places.logFile};
  }

  test::TempDir dir_;
  UserEnvironment environment_{"", "", "/home/ann"};
};

TEST_F(FilePlacesTest, APortableCopyKeepsEverythingInItsDataFolder) {
  Portable();
  Install();  // beside the program comes first
  const std::filesystem::path data = Program() / "Data", other = dir_.path() / "other";
  EXPECT_EQ(Find().data, data);
  EXPECT_EQ(PlayerFiles(Find()), (Paths{data, data, Program() / "log.txt"}));
  // --data wins over both.
  std::filesystem::create_directories(other);
  EXPECT_EQ(Find(other).data, other);
  EXPECT_TRUE(Find(other).IsPortable());
}

TEST_F(FilePlacesTest, AnInstalledCopyFollowsTheBaseDirectoryRules) {
  Install();
  const Paths home{"/home/ann/.config/quillmoor", "/home/ann/.local/share/quillmoor",
                   "/home/ann/.local/share/quillmoor/log.txt"};
  EXPECT_EQ(Find().data, Shipped());
  EXPECT_EQ(PlayerFiles(Find()), home);
  environment_ = {"/xdg/config", "/xdg/data", "/home/ann"};
  EXPECT_EQ(PlayerFiles(Find()),
            (Paths{"/xdg/config/quillmoor", "/xdg/data/quillmoor", "/xdg/data/quillmoor/log.txt"}));
  // Relative values are not base directories.
  environment_ = {"config", "data", "/home/ann"};
  EXPECT_EQ(PlayerFiles(Find()), home);
}

TEST_F(FilePlacesTest, UserDirHoldsEveryPlayerFileWhereverDataIs) {
  const std::filesystem::path mine = dir_.path() / "mine";
  for (bool installed : {false, true}) {
    SCOPED_TRACE(installed);
    installed ? Install() : Portable();
    const FilePlaces places = Find(std::nullopt, mine);
    EXPECT_EQ(PlayerFiles(places), (Paths{mine, mine, mine / "log.txt"}));
    EXPECT_FALSE(places.IsPortable());
  }
}

TEST_F(FilePlacesTest, WithoutAnyDataFolderTheOneBesideTheProgramIsNamed) {
  std::filesystem::create_directories(Program());
  const FilePlaces places = Find();
  EXPECT_EQ(places.data, Program() / "Data");
  EXPECT_FALSE(std::filesystem::exists(places.data));
}

TEST_F(FilePlacesTest, ThePlayersCopyIsReadFirst) {
  Install();
  dir_.Write("usr/share/quillmoor/Data/Config.ini", "2\r\n");
  const std::filesystem::path mine = dir_.path() / "mine";
  const FilePlaces places = Find(std::nullopt, mine);
  EXPECT_EQ(ConfigFileToRead(places), Shipped() / "Config.ini");
  EXPECT_EQ(ConfigFileToWrite(places), mine / "Config.ini");
  dir_.Write("mine/config.INI", "1\r\n");
  EXPECT_EQ(ConfigFileToRead(places), mine / "config.INI");
  EXPECT_EQ(ConfigFileToWrite(places), mine / "config.INI");
  EXPECT_EQ(FileToRead(places.user, places.data, "Ch1.res"), Shipped() / "Ch1.res");
}

// The settings program writes it there: its own test checks that side.
TEST_F(FilePlacesTest, TheGameReadsThePlayersConfigFromTheConfigBaseDirectory) {
  Install();
  environment_ = {(dir_.path() / "xdg").string(), "", "/home/ann"};
  dir_.Write("xdg/quillmoor/Config.ini", "2\r\n");
  const CommandLine options = std::get<CommandLine>(ParseCommandLine({}));
  EXPECT_EQ(ConfigFileToRead(FilePlacesFor(options, Program(), environment_)),
            dir_.path() / "xdg/quillmoor/Config.ini");
}

}  // namespace
}  // namespace quillmoor
