#include "settings/number_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillmoor {
namespace {

// Halves round to even; both decimal separators, blanks, signs and exponents are read.
TEST(NumberText, WholeNumbersRoundHalvesToEven) {
  for (const auto& [text, value] :
       {std::pair{"2.5", 2}, {"3.5", 4}, {"1,5", 2}, {"254.5", 254}, {"-0.4", 0}, {" 1 ", 1},
        {"\t7", 7}, {"+7", 7}, {"1e2", 100}, {".5", 0}}) {
    EXPECT_EQ(TextToByte(text), value) << '"' << text << '"';
  }
  EXPECT_EQ(TextToInt16("-32768"), -32768);
  EXPECT_EQ(TextToInt16("32767.4"), 32767);
  EXPECT_EQ(TextToDouble("5."), 5.0);
  EXPECT_EQ(TextToSingle("0.1"), static_cast<float>(0.1));
}

TEST(NumberText, RefusesWhatIsNotANumberOrOutOfRange) {
  for (const char* text : {"", " ", "abc", "1a", "1 2", "--1", "1e", "e5", ".", "inf", "nan",
                           "0x10", "1.2.3", "1,2,3"}) {
    EXPECT_FALSE(TextToDouble(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(TextToByte("256").has_value());
  EXPECT_FALSE(TextToByte("255.5").has_value());  // rounds to 256
  EXPECT_FALSE(TextToByte("-1").has_value());
  EXPECT_FALSE(TextToInt16("32768").has_value());
  EXPECT_FALSE(TextToInt32("2147483648").has_value());
  EXPECT_FALSE(TextToDouble("1e400").has_value());
  EXPECT_FALSE(TextToSingle("1e39").has_value());
}

}  // namespace
}  // namespace quillmoor
