#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shell/game.h"
#include "shell/startup.h"
#include "platform/recording/recording_platform.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

class Configuration : public ::testing::Test {
 protected:
  // Reads a Config.ini with these bytes into a fresh game.
  Game& Read(std::string_view bytes) {
    dir_.Write("Config.ini", bytes);
    ReadConfiguration(game_);
    return game_;
  }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path()};
};

TEST_F(Configuration, MissingFileKeepsTheDefaults) {
  ReadConfiguration(game_);
  EXPECT_EQ(game_.shell.DisplayMode, 1);
  EXPECT_EQ(game_.shell.MusicOn, 1);
  EXPECT_EQ(game_.shell.OverlayOn, 0);
  EXPECT_FALSE(game_.shell.MotionBlur);
  EXPECT_EQ(game_.net.Port, 5002);
  EXPECT_EQ(game_.net.HostAddress, "192.168.0.1");
}

TEST_F(Configuration, ReadsEveryLineByItsNumber) {
  const Game& game = Read("2\r\n6000\r\n10.0.0.7\r\n1\r\n0\r\n1\r\n");
  EXPECT_EQ(game.shell.DisplayMode, 2);
  EXPECT_EQ(game.net.Port, 6000);
  EXPECT_EQ(game.net.HostAddress, "10.0.0.7");
  EXPECT_EQ(game.shell.OverlayOn, 1);
  EXPECT_EQ(game.shell.MusicOn, 0);
  EXPECT_TRUE(game.shell.MotionBlur);
}

TEST_F(Configuration, LineSixIsComparedAsANumber) {
  EXPECT_FALSE(Read("1\r\n5002\r\nx\r\n0\r\n1\r\n2\r\n").shell.MotionBlur);
  EXPECT_TRUE(Read("1\r\n5002\r\nx\r\n0\r\n1\r\n 1 \r\n").shell.MotionBlur);
  EXPECT_TRUE(Read("1\r\n5002\r\nx\r\n0\r\n1\r\n1.0\r\n").shell.MotionBlur);
  EXPECT_FALSE(Read("1\r\n5002\r\nx\r\n0\r\n1\r\n0\r\n").shell.MotionBlur);
}

TEST_F(Configuration, FractionsRoundHalvesToEven) {
  EXPECT_EQ(Read("1\r\n5002\r\nx\r\n2.5\r\n3.5\r\n").shell.OverlayOn, 2);
  EXPECT_EQ(game_.shell.MusicOn, 4);
}

TEST_F(Configuration, BlankHostAddressAndFewerLines) {
  const Game& game = Read("1\r\n5002\r\n\r\n");
  EXPECT_EQ(game.net.HostAddress, "");
  EXPECT_EQ(game.shell.MusicOn, 1);  // line 5 missing: default
}

TEST_F(Configuration, LinesAfterTheSixthChangeNothing) {
  const Game& game = Read("1\r\n5002\r\nx\r\n0\r\n1\r\n0\r\nnot a number\r\n255\r\n");
  EXPECT_EQ(game.shell.DisplayMode, 1);
  EXPECT_FALSE(game.shell.MotionBlur);
}

TEST_F(Configuration, CarriageReturnOnlyAndLineFeedOnlyFiles) {
  EXPECT_EQ(Read("2\r6001\rhost\r0\r0\r1\r").net.Port, 6001);
  EXPECT_TRUE(game_.shell.MotionBlur);
  EXPECT_EQ(Read("1\n6002\nhost\n0\n1\n0").net.Port, 6002);
  EXPECT_FALSE(game_.shell.MotionBlur);
}

TEST_F(Configuration, AnUnknownDisplayModeStartsInAWindow) {
  EXPECT_EQ(Read("3\r\n").shell.DisplayMode, 1);
  EXPECT_EQ(Read("0\r\n").shell.DisplayMode, 1);
}

TEST_F(Configuration, ValuesThatDoNotConvertAreFatal) {
  EXPECT_THROW(Read("256\r\n"), FatalError);
  EXPECT_THROW(Read("1\r\n\r\n"), FatalError);  // empty port
  EXPECT_THROW(Read("1\r\n40000\r\n"), FatalError);
  EXPECT_THROW(Read("1\r\n5002\r\nx\r\n0\r\n1\r\nyes\r\n"), FatalError);
  try {
    Read("1\r\n5002\r\nx\r\nmaybe\r\n");
    FAIL() << "no error";
  } catch (const FatalError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Config.ini, строка 4: «maybe»"));
  }
}

TEST_F(Configuration, FileNameIsMatchedWithoutCase) {
  dir_.Write("config.INI", "2\r\n");
  ReadConfiguration(game_);
  EXPECT_EQ(game_.shell.DisplayMode, 2);
}

}  // namespace
}  // namespace quillmoor
