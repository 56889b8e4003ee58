#include "besttimes/best_times_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillmoor {
namespace {

constexpr char RS = 30;

// Stores text the way the files do, without the line end: each code lowered by 3.
std::string Lowered(std::string_view text) {
  std::string out;
  for (const char c : text) out += char(std::uint8_t(c) - kTableOffset);
  return out;
}

std::string Fields(std::string_view a, std::string_view b, std::string_view c,
                   std::string_view d) {
  return std::string(a) + RS + std::string(b) + RS + std::string(c) + RS + std::string(d);
}

TEST(BestTimesFile, SingleTextHasSevenDigitsAndAnUpperCaseExponent) {
  const std::pair<float, const char*> cases[] = {
      {87.34f, "87.34"}, {150.0f, "150"},       {0.0f, "0"},           {-2.5f, "-2.5"},
      {0.1f, "0.1"},     {0.0001f, "0.0001"},   {0.00001f, "1E-05"},   {1234567.0f, "1234567"},
      {3.0e38f, "3E+38"}, {131.68f, "131.68"}, {12345678.0f, "1.234568E+07"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(SingleToText(value), text) << text;
}

TEST(BestTimesFile, StoredBytesAreLoweredByThreeWithALineEnd) {
  EXPECT_EQ(EncodeNames({"", "A", "B", "", "Я"}), std::string("\x3E\x1B\x3F\x1B\x1B\xDC\r\n"));
  EXPECT_EQ(EncodeTimes({0, 50, 60.5f, 1e-5f, 80}),
            Lowered(Fields("50", "60.5", "1E-05", "80")) + "\r\n");
}

TEST(BestTimesFile, ExactlyOneLineEndOfAnyKindIsTakenOff) {
  const std::string stored = Lowered(Fields("a", "b", "c", "d"));
  const NameRows expected = {"", "a", "b", "c", "d"};
  for (const char* end : {"\r\n", "\n", "\r", ""}) {
    EXPECT_EQ(DecodeNames(stored + end, "Ch1.res"), expected) << "line end " << end;
  }
  // A second line end is payload, and decodes to control characters.
  for (const char* ends : {"\r\n\r\n", "\n\n"})
    EXPECT_EQ(DecodeNames(stored + ends, "Ch1.res"), std::nullopt) << "ends " << ends;
}

TEST(BestTimesFile, AStoredCommaInTheTimesFileStaysAComma) {
  const std::string stored =
      Lowered("87") + "," + Lowered("34") + Lowered(Fields("", "1", "2", "3"));
  const std::optional<TimeRows> times = DecodeTimes(stored + "\r\n", "Ch2.res");
  ASSERT_TRUE(times);
  EXPECT_EQ((*times)[1], 87.34f);
  // A comma written through the scrambler, and a point, read the same.
  EXPECT_EQ(DecodeTimes(Lowered(Fields("87,34", "1", "2", "3")), "Ch2.res"), times);
  EXPECT_EQ(DecodeTimes(Lowered(Fields("87.34", "1", "2", "3")), "Ch2.res"), times);
  // The names file raises every byte: a stored comma is a slash there.
  EXPECT_EQ((*DecodeNames(Lowered(Fields("a", "b", "c", "d")) + ",", "Ch1.res"))[4], "d/");
}

TEST(BestTimesFile, WhatCannotBeStoredIsAnEncodingError) {
  for (const char* name : {"日本", "\x1D", "a\x1E" "b", "\x01", "\xFF"}) {
    EXPECT_EQ(EncodeNames({"", "ok", name, "ok", "ok"}), std::nullopt) << name;
  }
  EXPECT_EQ(EncodeTimes({0, 1, std::nanf(""), 3, 4}), std::nullopt);
  EXPECT_EQ(EncodeTimes({0, 1, 2, 3, std::numeric_limits<float>::infinity()}), std::nullopt);
}

}  // namespace
}  // namespace quillmoor
