// The real program, run headless by a script of pad events only: the menu,
// a race driven and steered, recorded and replayed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

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

// A trace's rows by tick, each a column's text by the column's name.
std::map<int, std::map<std::string, std::string>> Rows(const std::string& csv) {
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  const auto split = [](const std::string& text) {
    std::vector<std::string> fields;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
  };
  const std::vector<std::string> names = split(line);
  std::map<int, std::map<std::string, std::string>> rows;
  while (std::getline(lines, line)) {
    const std::vector<std::string> fields = split(line);
    auto& row = rows[std::stoi(fields.at(0))];
    for (std::size_t i = 0; i < fields.size() && i < names.size(); ++i) row[names[i]] = fields[i];
  }
  return rows;
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
    return test::RunProgram(QUILLMOOR_BINARY, args);
  };

  const test::ProgramResult played = run(kPadRace, "trace.csv", {"--record", path("pad.script")});
  ASSERT_EQ(played.exitCode, 0) << played.err;
  const std::string trace = test::ReadAll(dir.path() / "trace.csv");
  auto rows = Rows(trace);
  ASSERT_TRUE(rows.contains(450));
  const auto number = [&](int tick, const char* column) {
    return std::stod(rows.at(tick).at(column));
  };
  EXPECT_EQ(rows.at(100).at("GameState"), "4");  // the fly-in
  EXPECT_EQ(rows.at(200).at("GameState"), "2");  // the race
  EXPECT_GT(number(200, "Speed"), 0);
  EXPECT_GT(number(299, "Speed"), number(200, "Speed"));
  EXPECT_EQ(number(299, "CraftAngle"), number(200, "CraftAngle"));  // straight on
  EXPECT_NE(number(399, "CraftAngle"), number(299, "CraftAngle"));  // the stick steers
  EXPECT_GT(number(450, "Speed"), number(299, "Speed"));

  const std::string session = test::ReadAll(dir.path() / "pad.script");
  for (const char* line : {"5 pad button a down", "6 pad axis righttrigger 32767",
                           "300 pad axis leftx -32768", "400 pad axis leftx 0"}) {
    EXPECT_THAT(session, HasSubstr(line));
  }
  test::WriteDataSet(dir);
  const test::ProgramResult replayed = run(session, "replayed.csv", {});
  ASSERT_EQ(replayed.exitCode, 0) << replayed.err;
  EXPECT_EQ(test::ReadAll(dir.path() / "replayed.csv"), trace);
}

}  // namespace
}  // namespace quillmoor
