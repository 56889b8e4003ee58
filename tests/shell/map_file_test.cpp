#include "shell/map_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fatal_error.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

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

TEST(MapFile, TwoPads) {
  const MapState map = Parse("2" + Record("150", "0", "-30") + Record("410", "1", "45"));
  ASSERT_EQ(map.MapObjectCount, 2);
  EXPECT_EQ(map.MapObjects[1].Dist, 150.0f);
  EXPECT_EQ(map.MapObjects[1].Kind, 0.0f);
  EXPECT_EQ(map.MapObjects[1].Angle, -30.0f);
  EXPECT_EQ(map.MapObjects[1].AngleNorm, 330.0f);
  EXPECT_EQ(map.MapObjects[2].Dist, 410.0f);
  EXPECT_EQ(map.MapObjects[2].Kind, 1.0f);
  EXPECT_EQ(map.MapObjects[2].AngleNorm, 45.0f);
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
  const MapState map = Parse("3" + Record("1", "0", "-400") + Record("2", "0", "400") +
                             Record("3", "0", "0"));
  EXPECT_EQ(map.MapObjects[1].AngleNorm, -40.0f);
  EXPECT_EQ(map.MapObjects[2].AngleNorm, 400.0f);
  EXPECT_EQ(map.MapObjects[3].AngleNorm, 0.0f);
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
  EXPECT_THAT(FatalMessage(""), HasSubstr("запись 0"));
  EXPECT_THAT(FatalMessage("two"), HasSubstr("запись 0: «two»"));
  EXPECT_THAT(FatalMessage("3" + Record("1", "0", "0")), HasSubstr("записей меньше"));
  EXPECT_THAT(FatalMessage("1" + std::string(1, RS) + "5" + US + "0"), HasSubstr("три поля"));
  EXPECT_THAT(FatalMessage("1" + Record("5", "green", "0")),
              HasSubstr("запись 1, поле 2: «green»"));
  EXPECT_THAT(FatalMessage("1" + Record("5", "0", "1e39")), HasSubstr("поле 3"));
  EXPECT_THAT(FatalMessage("99999999999"), HasSubstr("запись 0"));
}

}  // namespace
}  // namespace quillmoor
