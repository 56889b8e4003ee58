// The Data folder's own files: Config.ini and map.res.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/fatal_error.h"
#include "platform/recording/recording_platform.h"
#include "shell/map_file.h"
#include "shell/startup.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

class Configuration : public ::testing::Test {
 protected:
  Game& Read(std::string_view bytes) {
    dir_.Write("Config.ini", bytes);
    ReadConfiguration(game_);
    return game_;
  }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path()};
};

// Display, port, host, overlay, music, blur.
auto Fields(const Game& g) {
  return std::tuple(int(g.shell.DisplayMode), int(g.net.Port), g.net.HostAddress,
                    int(g.shell.OverlayOn), int(g.shell.MusicOn), g.shell.MotionBlur);
}

TEST_F(Configuration, MissingFileKeepsTheDefaults) {
  ReadConfiguration(game_);
  EXPECT_EQ(Fields(game_), std::tuple(1, 5002, "192.168.0.1", 0, 1, false));
}

TEST_F(Configuration, ReadsEveryLineByItsNumber) {
  EXPECT_EQ(Fields(Read("2\r\n6000\r\n10.0.0.7\r\n1\r\n0\r\n1\r\n")),
            std::tuple(2, 6000, "10.0.0.7", 1, 0, true));
}

TEST_F(Configuration, LineSixIsComparedAsANumber) {
  for (const auto& [line, blur] : std::vector<std::pair<std::string, bool>>{
           {"2", false}, {" 1 ", true}, {"1.0", true}, {"0", false}}) {
    EXPECT_EQ(Read("1\r\n5002\r\nx\r\n0\r\n1\r\n" + line + "\r\n").shell.MotionBlur, blur)
        << line;
  }
}

TEST_F(Configuration, FractionsRoundHalvesToEvenAndUnknownDisplayModesAreWindowed) {
  EXPECT_EQ(Read("1\r\n5002\r\nx\r\n2.5\r\n3.5\r\n").shell.OverlayOn, 2);
  EXPECT_EQ(game_.shell.MusicOn, 4);
  EXPECT_EQ(Read("3\r\n").shell.DisplayMode, 1);
  EXPECT_EQ(Read("0\r\n").shell.DisplayMode, 1);
}

TEST_F(Configuration, ShortAndLongFiles) {
  EXPECT_EQ(Read("1\r\n5002\r\n\r\n").net.HostAddress, "");
  EXPECT_EQ(game_.shell.MusicOn, 1);  // line 5 missing: default
  const Game& game = Read("1\r\n5002\r\nx\r\n0\r\n1\r\n0\r\nnot a number\r\n255\r\n");
  EXPECT_EQ(game.shell.DisplayMode, 1);  // lines after the sixth change nothing
  EXPECT_FALSE(game.shell.MotionBlur);
}

TEST_F(Configuration, CarriageReturnOnlyAndLineFeedOnlyFiles) {
  EXPECT_EQ(Read("2\r6001\rhost\r0\r0\r1\r").net.Port, 6001);
  EXPECT_TRUE(game_.shell.MotionBlur);
  EXPECT_EQ(Read("1\n6002\nhost\n0\n1\n0").net.Port, 6002);
  EXPECT_FALSE(game_.shell.MotionBlur);
}

TEST_F(Configuration, ValuesThatDoNotConvertAreFatal) {
  for (const char* bytes : {"256\r\n", "1\r\n\r\n", "1\r\n40000\r\n", "1\r\n5002\r\nx\r\n0\r\n1\r\nyes\r\n"}) {
    EXPECT_THROW(Read(bytes), FatalError) << bytes;
  }
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

// map.res: a count, then records of three fields.
constexpr char RS = 30, US = 31;

std::string Record(const std::string& dist, const std::string& kind, const std::string& angle) {
  return std::string(1, RS) + dist + US + kind + US + angle;
}

MapState Parse(const std::string& text) { return ParseMap(text, "map.res"); }

std::string FatalMessage(const std::string& text) {
  try {
    Parse(text);
  } catch (const FatalError& error) {
    return error.what();
  }
  return "no error";
}

// Dist, Kind, Angle, AngleNorm.
auto Row(const MapState& map, int i) {
  const auto& o = map.MapObjects[i];
  return std::tuple(o.Dist, o.Kind, o.Angle, o.AngleNorm);
}

TEST(MapFile, TwoPads) {
  const MapState map = Parse("2" + Record("150", "0", "-30") + Record("410", "1", "45"));
  ASSERT_EQ(map.MapObjectCount, 2);
  EXPECT_EQ(Row(map, 1), std::tuple(150.0f, 0.0f, -30.0f, 330.0f));
  EXPECT_EQ(Row(map, 2), std::tuple(410.0f, 1.0f, 45.0f, 45.0f));
  EXPECT_EQ(map.MapObjects[0].Dist, 0.0f);  // row 0 stays empty
}

TEST(MapFile, NoPads) {
  EXPECT_EQ(Parse("0").MapObjectCount, 0);
  EXPECT_EQ(Parse("-3" + Record("1", "1", "1")).MapObjectCount, -3);
  EXPECT_EQ(Parse(" 0 ").MapObjects.size(), 1u);
}

TEST(MapFile, WhatComesAfterTheLastRecordOrFieldIsIgnored) {
  const MapState trailing = Parse("1" + Record("10", "0", "5") + RS);
  EXPECT_EQ(trailing.MapObjectCount, 1);
  EXPECT_EQ(trailing.MapObjects[1].Angle, 5.0f);
  const MapState fourth = Parse("1" + Record("10", "0", "5") + US + "junk" + RS + "more junk");
  EXPECT_EQ(fourth.MapObjects[1].Angle, 5.0f);
}

TEST(MapFile, AngleNormAddsOneTurnOnce) {
  for (const auto& [angle, norm] : {std::pair{"-400", -40.0f}, {"400", 400.0f}, {"0", 0.0f}}) {
    EXPECT_EQ(Parse("1" + Record("1", "0", angle)).MapObjects[1].AngleNorm, norm) << angle;
  }
}

TEST(MapFile, BothDecimalSeparatorsAndRoundedCount) {
  const MapState map = Parse("1.5" + Record("10,25", "0", "-7.5") + Record("20.5", "1", "3"));
  ASSERT_EQ(map.MapObjectCount, 2);  // 1.5 rounds to 2
  EXPECT_EQ(map.MapObjects[1].Dist, 10.25f);
  EXPECT_EQ(map.MapObjects[1].Angle, -7.5f);
  EXPECT_EQ(map.MapObjects[2].Dist, 20.5f);
}

TEST(MapFile, TwentyThousandPadsLoadOneMoreDoesNot) {
  std::string pads;
  for (int i = 1; i <= kMaxMapObjects + 1; ++i) pads += Record(std::to_string(i), "0", "0");
  EXPECT_EQ(Parse("20000" + pads).MapObjects[20000].Dist, 20000.0f);
  EXPECT_THAT(FatalMessage("20001" + pads), HasSubstr("больше 20000"));
}

TEST(MapFile, MalformedFilesAreFatalAndSayWhere) {
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"", "запись 0"}, {"two", "запись 0: «two»"},
           {"3" + Record("1", "0", "0"), "записей меньше"},
           {"1" + std::string(1, RS) + "5" + US + "0", "три поля"},
           {"1" + Record("5", "green", "0"), "запись 1, поле 2: «green»"},
           {"1" + Record("5", "0", "1e39"), "поле 3"}, {"99999999999", "запись 0"}}) {
    EXPECT_THAT(FatalMessage(text), HasSubstr(message)) << text;
  }
}

}  // namespace
}  // namespace quillmoor
