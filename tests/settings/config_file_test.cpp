#include "settings/config_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fatal_error.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(SplitLines, EveryLineEndCounts) {
  EXPECT_THAT(SplitLines("1\r\n2\r\n"), ElementsAre("1", "2"));
  EXPECT_THAT(SplitLines("1\r2\r"), ElementsAre("1", "2"));
  EXPECT_THAT(SplitLines("1\n2\n"), ElementsAre("1", "2"));
  EXPECT_THAT(SplitLines("1\r\n\r\n3"), ElementsAre("1", "", "3"));
  EXPECT_THAT(SplitLines("1\n\r2"), ElementsAre("1", "", "2"));  // LF then CR: two ends
  EXPECT_THAT(SplitLines(""), ElementsAre());
  EXPECT_THAT(SplitLines("\r\n"), ElementsAre(""));
}

TEST(ConfigText, MissingFileIsNoConfig) {
  test::TempDir dir;
  EXPECT_FALSE(ReadConfigText(dir.path() / "Config.ini").has_value());
  std::filesystem::create_directory(dir.path() / "folder");
  EXPECT_FALSE(ReadConfigText(dir.path() / "folder").has_value());
}

TEST(ConfigText, ConversionErrorsNameFileLineAndText) {
  test::TempDir dir;
  const auto path = dir.Write("Config.ini", "1\r\nport\r\n");
  const ConfigText config = *ReadConfigText(path);
  try {
    config.Int16(2);
    FAIL() << "no error";
  } catch (const FatalError& error) {
    EXPECT_THAT(error.what(), HasSubstr(path.string()));
    EXPECT_THAT(error.what(), HasSubstr("строка 2"));
    EXPECT_THAT(error.what(), HasSubstr("«port»"));
  }
}

TEST(ConfigText, UnprintableBytesAreShownEscaped) {
  test::TempDir dir;
  const ConfigText config = *ReadConfigText(dir.Write("Config.ini", std::string("\x01\xff", 2)));
  try {
    config.Byte(1);
    FAIL() << "no error";
  } catch (const FatalError& error) {
    EXPECT_THAT(error.what(), HasSubstr("«\\x01\\xFF»"));
  }
}

}  // namespace
}  // namespace quillmoor
