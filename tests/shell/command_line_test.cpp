#include "shell/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Headless, ticks, frame-every and clock.
auto Basics(const CommandLine& line) {
  return std::tuple(line.headless, line.ticks, line.frameEvery, line.clock);
}

TEST(CommandLine, EveryOptionAndTheDefaults) {
  const auto parsed = ParseCommandLine(
      {"--data", "/games/Data", "--user-dir=/home/a/q", "--headless", "--ticks=50", "--frame-every", "10", "--screenshot",
       "50:a.png", "--screenshot=5:b:c.png", "--screenshot", "50:d.png", "--clock", "3600.5",
       "--script", "s.txt", "--record=r.txt", "--trace", "t.csv"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << std::get<std::string>(parsed);
  const CommandLine& line = std::get<CommandLine>(parsed);
  EXPECT_EQ(std::tie(line.dataDirectory, line.userDirectory, line.script, line.record, line.trace),
            std::tuple("/games/Data", "/home/a/q", "s.txt", "r.txt", "t.csv"));
  EXPECT_EQ(Basics(line), std::tuple(true, 50, 10, 3600.5));
  EXPECT_THAT(line.screenshots.at(50), ElementsAre("a.png", "d.png"));
  EXPECT_THAT(line.screenshots.at(5), ElementsAre("b:c.png"));
  EXPECT_EQ(Basics(std::get<CommandLine>(ParseCommandLine({}))),
            std::tuple(false, std::nullopt, 1, std::nullopt));
}

TEST(CommandLine, BadInputSaysWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
      {{"--fast"}, "unknown option --fast"},
      {{"Data"}, "unknown option Data"},
      {{"--ticks"}, "--ticks: needs a value"},
      {{"--ticks", "-1"}, "--ticks: needs a whole number"},
      {{"--ticks", "12x"}, "--ticks: needs a whole number"},
      {{"--frame-every", "0"}, "--frame-every: needs a whole number, 1 or more"},
      {{"--screenshot", "a.png"}, "--screenshot: needs TICK:FILE"},
      {{"--screenshot", "0:a.png"}, "--screenshot: needs TICK:FILE"},
      {{"--screenshot", "3:"}, "--screenshot: needs TICK:FILE"},
      {{"--clock", "86400"}, "--clock: needs seconds since midnight"},
      {{"--clock", "nan"}, "--clock: needs seconds since midnight"},
      {{"--headless=yes"}, "--headless: takes no value"},
      {{"--data", ""}, "--data: needs a folder"},
      {{"--user-dir"}, "--user-dir: needs a value"},
      {{"--user-dir="}, "--user-dir: needs a folder"},
      {{"--ticks", "5", "--screenshot", "6:a.png"}, "comes after the last tick"},
      {{"--trace", ""}, "--trace: needs a file"},
      {{"--script", "s.txt"}, "--script: only with --headless"},
  };
  for (const auto& [args, message] : cases) {
    const auto parsed = ParseCommandLine(args);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << message;
    EXPECT_THAT(std::get<std::string>(parsed), HasSubstr(message));
  }
}

}  // namespace
}  // namespace quillmoor
