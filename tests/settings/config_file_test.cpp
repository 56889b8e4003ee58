#include "settings/config_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fatal_error.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

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

// Conversion errors name the file, the line and the text, unprintable bytes escaped.
TEST(ConfigText, ConversionErrorsNameFileLineAndText) {
  test::TempDir dir;
  const auto path = dir.Write("Config.ini", std::string("1\r\nport\r\n\x01\xff", 11));
  const ConfigText config = *ReadConfigText(path);
  EXPECT_THAT([&] { (void)config.Int16(2); },
              ThrowsMessage<FatalError>(
                  AllOf(HasSubstr(path.string()), HasSubstr("строка 2"), HasSubstr("«port»"))));
  EXPECT_THAT([&] { (void)config.Byte(3); }, ThrowsMessage<FatalError>(HasSubstr("«\\x01\\xFF»")));
}

}  // namespace
}  // namespace quillmoor
