// Whole races of the real program, headless, driven by scripts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "besttimes/best_times_file.h"
#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Full throttle from the start; the race ends by itself at tick 7103.
constexpr std::string_view kRace =
    "1 click 400 300\n"  // ends the intro
    "2 move 100 225\n"
    "3 click 100 225\n"  // Новая Игра
    "3 down W\n"
    "7110 down Backspace\n7110 down Backspace\n7110 down Backspace\n"
    "7111 type Ёж 7\n"
    "7112 down Return\n"
    "7113 up Return\n"
    "7114 click 400 300\n"  // closes the records page
    "7120 move 100 330\n"
    "7121 click 100 330\n";  // Выход

class ScriptedRace : public ::testing::Test {
 protected:
  ScriptedRace() { test::WriteDataSet(dir_, "0"); }

  test::ProgramResult Run(std::string_view script, std::vector<std::string> args) {
    const std::filesystem::path file = dir_.Write("run.script", script);
    args.insert(args.begin(), {"--headless", "--data", (dir_.path() / "Data").string(), "--script",
                               file.string(), "--frame-every", "1000"});
    return test::RunProgram(QUILLMOOR_BINARY, args);
  }
  std::string File(std::string_view name) { return test::ReadAll(dir_.path() / name); }

  test::TempDir dir_;
};

TEST_F(ScriptedRace, ARecordRaceTakesANameAndSavesTheTable) {
  const test::ProgramResult run = Run(kRace, {"--trace", (dir_.path() / "trace.csv").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const std::string trace = File("trace.csv");
  EXPECT_THAT(trace, StartsWith("tick,GameState,CameraMode,Speed,Distance,RaceTime,"));
  // Exit closes the game 20 menu ticks after the click, on tick 7140.
  EXPECT_THAT(trace, HasSubstr("\n7140,4,"));
  EXPECT_THAT(trace, Not(HasSubstr("\n7141,")));
  // The network link stays closed all the way: every row ends with its text.
  std::size_t rows = 0, closed = 0;
  for (std::size_t end = trace.find('\n'); end != std::string::npos;
       end = trace.find('\n', end + 1), ++rows) {
    closed += std::string_view(trace).substr(0, end).ends_with(",Порт закрыт");
  }
  EXPECT_EQ(closed, rows - 1);  // all but the header

  const NameRows names = DecodeNames(File("Data/Ch1.res"), "Ch1.res").value();
  const TimeRows times = DecodeTimes(File("Data/Ch2.res"), "Ch2.res").value();
  EXPECT_EQ(names, (NameRows{"", "Ёж 7", "Bo", "Вий", "Dee"}));
  EXPECT_NEAR(times[1], 119.99, 0.005);  // 2000 ticks to top speed, no pads
  EXPECT_EQ((std::vector<float>{times[2], times[3], times[4]}), (std::vector<float>{165, 180, 200}));
}

TEST_F(ScriptedRace, ARecordedSessionReplaysToTheSameTrace) {
  const std::string first = (dir_.path() / "first.csv").string();
  const std::string record = (dir_.path() / "session.script").string();
  ASSERT_EQ(Run(kRace, {"--trace", first, "--record", record}).exitCode, 0);

  test::WriteDataSet(dir_, "0");
  const std::string second = (dir_.path() / "second.csv").string();
  const test::ProgramResult replay = Run(File("session.script"), {"--trace", second});
  ASSERT_EQ(replay.exitCode, 0) << replay.err;
  EXPECT_EQ(File("first.csv"), File("second.csv"));
}

TEST_F(ScriptedRace, QuitEndsTheRunBeforeItsTick) {
  const test::ProgramResult run =
      Run("5 quit\n", {"--ticks", "100", "--trace", (dir_.path() / "t.csv").string()});
  EXPECT_EQ(run.exitCode, 0);
  const std::string trace = File("t.csv");
  EXPECT_THAT(trace, HasSubstr("\n4,4,2,"));
  EXPECT_THAT(trace, Not(HasSubstr("\n5,")));
}

TEST_F(ScriptedRace, AMalformedLineIsNamedAndEndsWithStatusTwo) {
  const test::ProgramResult run = Run("1 click 1 2\n2 jump\n", {"--ticks", "10"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.err, HasSubstr("script line 2"));
}

}  // namespace
}  // namespace quillmoor
