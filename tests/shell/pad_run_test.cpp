// The real program, run headless by a script of pad events only: the menu,
// a race driven and steered, recorded and replayed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

constexpr std::string_view kPadRace =
    "1 pad button a down\n"  // ends the intro
    "2 pad button a up\n"
    "3 pad button dpdown down\n"  // highlights Новая Игра
    "4 pad button dpdown up\n"
    "5 pad button a down\n"  // chooses it; the fly-in
    "6 pad button a up\n"
    "6 pad axis righttrigger 32767\n"
    "300 pad axis leftx -32768\n"
    "400 pad axis leftx 0\n";

// A column's text in a trace's row for a tick.
std::string At(const std::string& csv, int tick, std::string_view column) {
  std::istringstream lines(csv);
  std::string header, row;
  std::getline(lines, header);
  while (std::getline(lines, row) && !row.starts_with(std::to_string(tick) + ",")) {}
  std::istringstream names(header), fields(row);
  for (std::string name, field; std::getline(names, name, ',');) {
    if (std::getline(fields, field, ',') && name == column) return field;
  }
  ADD_FAILURE() << "no " << column << " at tick " << tick;
  return "";
}

TEST(PadRun, APadAloneStartsARaceDrivesAndSteersAndItsSessionReplays) {
  test::TempDir dir;
  test::WriteDataSet(dir);
  const auto path = [&](const char* name) { return (dir.path() / name).string(); };
  const auto run = [&](std::string_view script, const char* trace,
                       std::vector<std::string> more) {
    std::vector<std::string> args = {"--headless", "--data", path("Data"), "--script",
                                     dir.Write("run.script", script).string(), "--frame-every",
                                     "1000", "--ticks", "450", "--trace", path(trace)};
    args.insert(args.end(), more.begin(), more.end());
    const test::ProgramResult result = test::RunProgram(QUILLMOOR_BINARY, args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return test::ReadAll(dir.path() / trace);
  };

  const std::string trace = run(kPadRace, "trace.csv", {"--record", path("pad.script")});
  const auto number = [&](int tick, const char* column) {
    return std::stod(At(trace, tick, column));
  };
  EXPECT_EQ(At(trace, 100, "GameState"), "4");  // the fly-in
  EXPECT_EQ(At(trace, 200, "GameState"), "2");  // the race
  EXPECT_GT(number(200, "Speed"), 0);
  EXPECT_GT(number(299, "Speed"), number(200, "Speed"));
  EXPECT_EQ(number(299, "CraftAngle"), number(200, "CraftAngle"));  // straight on
  EXPECT_NE(number(399, "CraftAngle"), number(299, "CraftAngle"));  // the stick steers
  EXPECT_GT(number(450, "Speed"), number(299, "Speed"));

  const std::string session = test::ReadAll(dir.path() / "pad.script");
  for (const char* line : {"5 pad button a down", "6 pad axis righttrigger 32767",
                           "300 pad axis leftx -32768", "400 pad axis leftx 0"}) {
    EXPECT_THAT(session, ::testing::HasSubstr(line));
  }
  test::WriteDataSet(dir);
  EXPECT_EQ(run(session, "replayed.csv", {}), trace);
}

}  // namespace
}  // namespace quillmoor
