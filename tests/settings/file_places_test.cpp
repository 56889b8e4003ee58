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

  test::TempDir dir_;
  UserEnvironment environment_{"", "", "/home/ann"};
};

TEST_F(FilePlacesTest, APortableCopyKeepsEverythingInItsDataFolder) {
  Portable();
  Install();  // beside the program comes first
  const FilePlaces places = Find();
  EXPECT_EQ(places.data, Program() / "Data");
  EXPECT_TRUE(places.IsPortable());
  EXPECT_EQ(places.config, places.data);
  EXPECT_EQ(places.logFile, Program() / "log.txt");

  const std::filesystem::path other = dir_.path() / "other";
  // --data wins over both.
  std::filesystem::create_directories(other);
  EXPECT_EQ(Find(other).data, other);
  EXPECT_TRUE(Find(other).IsPortable());
}

TEST_F(FilePlacesTest, AnInstalledCopyFollowsTheBaseDirectoryRules) {
  Install();
  FilePlaces places = Find();
  EXPECT_EQ(places.data, Shipped());
  EXPECT_EQ(places.config, "/home/ann/.config/quillmoor");
  EXPECT_EQ(places.user, "/home/ann/.local/share/quillmoor");
  EXPECT_EQ(places.logFile, "/home/ann/.local/share/quillmoor/log.txt");

  environment_ = {"/xdg/config", "/xdg/data", "/home/ann"};
  places = Find();
  EXPECT_EQ(places.config, "/xdg/config/quillmoor");
  EXPECT_EQ(places.user, "/xdg/data/quillmoor");

  // Relative values are not base directories.
  environment_ = {"config", "data", "/home/ann"};
  EXPECT_EQ(Find().config, "/home/ann/.config/quillmoor");
  EXPECT_EQ(Find().user, "/home/ann/.local/share/quillmoor");
}

TEST_F(FilePlacesTest, UserDirHoldsEveryPlayerFileWhereverDataIs) {
  for (bool installed : {false, true}) {
    SCOPED_TRACE(installed);
    installed ? Install() : Portable();
    const FilePlaces places = Find(std::nullopt, dir_.path() / "mine");
    EXPECT_EQ(places.config, dir_.path() / "mine");
    EXPECT_EQ(places.user, dir_.path() / "mine");
    EXPECT_EQ(places.logFile, dir_.path() / "mine" / "log.txt");
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
  const FilePlaces places = Find(std::nullopt, dir_.path() / "mine");
  EXPECT_EQ(ConfigFileToRead(places), Shipped() / "Config.ini");
  EXPECT_EQ(ConfigFileToWrite(places), dir_.path() / "mine" / "Config.ini");
  dir_.Write("mine/config.INI", "1\r\n");
  EXPECT_EQ(ConfigFileToRead(places), dir_.path() / "mine" / "config.INI");
  EXPECT_EQ(ConfigFileToWrite(places), dir_.path() / "mine" / "config.INI");
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
