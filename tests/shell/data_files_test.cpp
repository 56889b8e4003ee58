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

// The fatal error's message from reading, or "no error".
template <typename Read>
std::string FatalMessage(Read read) {
  try {
    read();
  } catch (const FatalError& error) {
    return error.what();
  }
  return "no error";
}

class Configuration : public ::testing::Test {
 protected:
  // Display, port, host, overlay, music, blur, as a fresh game reads them.
  using Fields = std::tuple<int, int, std::string, int, int, bool>;
  Fields Read(const char* bytes, const char* name = "Config.ini") {
    std::filesystem::remove(dir_.path() / "Config.ini");
    if (bytes) dir_.Write(name, bytes);
    Game game{services_.platform, dir_.path()};
    ReadConfiguration(game);
    return {game.shell.DisplayMode, game.net.Port,     game.net.HostAddress,
            game.shell.OverlayOn,   game.shell.MusicOn, game.shell.MotionBlur};
  }

  test::TempDir dir_;
  RecordingPlatform services_;
};

TEST_F(Configuration, ReadsEachLineByItsNumberAtAnyLineEnd) {
  const Fields defaults = {1, 5002, "192.168.0.1", 0, 1, false};
  const std::vector<std::pair<const char*, Fields>> cases = {
      {nullptr, defaults},  // no file
      {"2\r\n6000\r\n10.0.0.7\r\n1\r\n0\r\n1\r\n", {2, 6000, "10.0.0.7", 1, 0, true}},
      {"2\r6001\rhost\r0\r0\r1\r", {2, 6001, "host", 0, 0, true}},
      {"1\n6002\nhost\n0\n1\n0", {1, 6002, "host", 0, 1, false}},
      // Halves round to even; unknown display modes are windowed.
      {"1\r\n5002\r\nx\r\n2.5\r\n3.5\r\n", {1, 5002, "x", 2, 4, false}},
      {"3\r\n", defaults},
      {"0\r\n", defaults},
      // Missing lines keep their defaults; lines after the sixth change nothing.
      {"1\r\n5002\r\n\r\n", {1, 5002, "", 0, 1, false}},
      {"1\r\n5002\r\nx\r\n0\r\n1\r\n0\r\nnot a number\r\n255\r\n", {1, 5002, "x", 0, 1, false}},
      // Line six is compared as a number.
      {"1\r\n5002\r\nx\r\n0\r\n1\r\n2\r\n", {1, 5002, "x", 0, 1, false}},
      {"1\r\n5002\r\nx\r\n0\r\n1\r\n 1 \r\n", {1, 5002, "x", 0, 1, true}},
      {"1\r\n5002\r\nx\r\n0\r\n1\r\n1.0\r\n", {1, 5002, "x", 0, 1, true}},
  };
  for (const auto& [bytes, fields] : cases) EXPECT_EQ(Read(bytes), fields) << (bytes ? bytes : "no file");
  EXPECT_EQ(std::get<0>(Read("2\r\n", "config.INI")), 2);  // the name in any case
}

TEST_F(Configuration, ValuesThatDoNotConvertAreFatal) {
  for (const char* bytes : {"256\r\n", "1\r\n\r\n", "1\r\n40000\r\n", "1\r\n5002\r\nx\r\n0\r\n1\r\nyes\r\n"}) {
    EXPECT_THROW(Read(bytes), FatalError) << bytes;
  }
  EXPECT_THAT(FatalMessage([&] { Read("1\r\n5002\r\nx\r\nmaybe\r\n"); }),
              HasSubstr("Config.ini, строка 4: «maybe»"));
}

// map.res: a count, then records of three fields.
constexpr char RS = 30, US = 31;

std::string Record(const std::string& dist, const std::string& kind, const std::string& angle) {
  return std::string(1, RS) + dist + US + kind + US + angle;
}

MapState Parse(const std::string& text) { return ParseMap(text, "map.res"); }

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
  for (const std::string& after : {std::string(1, RS), US + std::string("junk") + RS + "more junk"}) {
    const MapState map = Parse("1" + Record("10", "0", "5") + after);
    EXPECT_EQ(map.MapObjectCount, 1);
    EXPECT_EQ(Row(map, 1), std::tuple(10.0f, 0.0f, 5.0f, 5.0f)) << after;
  }
}

TEST(MapFile, AngleNormAddsOneTurnOnce) {
  for (const auto& [angle, norm] : {std::pair{"-400", -40.0f}, {"400", 400.0f}, {"0", 0.0f}}) {
    EXPECT_EQ(Parse("1" + Record("1", "0", angle)).MapObjects[1].AngleNorm, norm) << angle;
  }
}

TEST(MapFile, BothDecimalSeparatorsAndRoundedCount) {
  const MapState map = Parse("1.5" + Record("10,25", "0", "-7.5") + Record("20.5", "1", "3"));
  ASSERT_EQ(map.MapObjectCount, 2);  // 1.5 rounds to 2
  EXPECT_EQ(Row(map, 1), std::tuple(10.25f, 0.0f, -7.5f, 352.5f));
  EXPECT_EQ(Row(map, 2), std::tuple(20.5f, 1.0f, 3.0f, 3.0f));
}

TEST(MapFile, TwentyThousandPadsLoadOneMoreDoesNot) {
  std::string pads;
  for (int i = 1; i <= kMaxMapObjects + 1; ++i) pads += Record(std::to_string(i), "0", "0");
  EXPECT_EQ(Parse("20000" + pads).MapObjects[20000].Dist, 20000.0f);
  EXPECT_THAT(FatalMessage([&] { Parse("20001" + pads); }), HasSubstr("больше 20000"));
}

TEST(MapFile, MalformedFilesAreFatalAndSayWhere) {
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"", "запись 0"}, {"two", "запись 0: «two»"},
           {"3" + Record("1", "0", "0"), "записей меньше"},
           {"1" + std::string(1, RS) + "5" + US + "0", "три поля"},
           {"1" + Record("5", "green", "0"), "запись 1, поле 2: «green»"},
           {"1" + Record("5", "0", "1e39"), "поле 3"}, {"99999999999", "запись 0"}}) {
    EXPECT_THAT(FatalMessage([&text = text] { Parse(text); }), HasSubstr(message)) << text;
  }
}

}  // namespace
}  // namespace quillmoor
