#include "shell/trace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <tuple>

#include "platform/fatal_error.h"
#include "platform/recording/recording_platform.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

constexpr char kHeader[] =
    "tick,GameState,CameraMode,Speed,Distance,RaceTime,CraftAngle,CraftAngleSigned,ThrottleState,"
    "TurnRate,FieldOfView,LiftOffset,AtTopSpeed,GreenContact,RedContact,VisibleCount,PickupActive,"
    "PickupZ,PickupAngle,TintActive,TintTicks,AsteroidActive,AsteroidX,AsteroidZ,BlinkOn,Flicker,"
    "EyeX,EyeY,EyeZ,AtX,AtY,AtZ,MenuItemState,MenuVisible,IntroActive,CanContinue,Exiting,"
    "ShowRaceResult,NewRecordRank,MenuPulse,TintPhase,CycleRed,CycleGreen,CycleBlue,FlyerX,FlyerZ,Label4";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

struct TraceTest : ::testing::Test {
  test::TempDir dir;
  std::filesystem::path file = dir.path() / "trace.csv";
  RecordingPlatform services;
  Game game{services.platform, "/nonexistent"};
};

TEST_F(TraceTest, EachColumnShowsItsOwnField) {
  SimulationState& sim = game.sim;
  std::tie(sim.Speed, sim.CraftAngle, sim.CraftAngleSigned) = std::tuple(0.1f, 280, -80);
  sim.RedContact = true;
  sim.TintTicks = -7;
  std::tie(sim.AsteroidX, sim.AsteroidZ) = std::tuple(1e-7f, 123456792);
  sim.MenuItemState = {0, 1, 2, 0, 1};
  std::tie(sim.CycleRed, sim.CycleGreen, sim.CycleBlue) = std::tuple(0.5f, 0.75f, 0.125f);
  game.graphics.Camera = {1, 2, 3, 4, 5, 6};
  game.best.NewRecordRank = 5;
  game.net.Label4 = "Порт закрыт";
  TraceWriter writer(file);
  writer.Row(2000, game);
  writer.Close();
  const std::string text = test::ReadAll(file);
  EXPECT_TRUE(text.ends_with('\n'));
  const std::vector<std::string> lines = Split(text, '\n');
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], kHeader);
  const std::vector<std::string> names = Split(kHeader, ','), values = Split(lines[1], ',');
  ASSERT_EQ(values.size(), names.size()) << lines[1];
  std::map<std::string, std::string> row;
  for (std::size_t c = 0; c < names.size(); ++c) row[names[c]] = values[c];
  // clang-format off
  const std::map<std::string, std::string> expected = {
      {"tick", "2000"}, {"Speed", "0.100000001"}, {"CraftAngle", "280"},
      {"CraftAngleSigned", "-80"}, {"GreenContact", "0"}, {"RedContact", "1"},
      {"TintTicks", "-7"}, {"AsteroidX", "1.00000001e-07"}, {"AsteroidZ", "123456792"},
      {"EyeX", "1"}, {"EyeY", "2"}, {"EyeZ", "3"}, {"AtX", "4"}, {"AtY", "5"}, {"AtZ", "6"},
      {"MenuItemState", "01201"}, {"NewRecordRank", "5"},
      {"CycleRed", "0.5"}, {"CycleGreen", "0.75"}, {"CycleBlue", "0.125"},
      {"Label4", "Порт закрыт"},
  };
  // clang-format on
  for (const auto& [column, value] : expected) EXPECT_EQ(row.at(column), value) << column;
}

TEST_F(TraceTest, FailuresNameTheFile) {
  // A full disk shows at the latest when the file is closed.
  for (const std::filesystem::path& path : {dir.path() / "missing" / "trace.csv",
                                            std::filesystem::path("/dev/full")}) {
    try {
      TraceWriter writer(path);
      writer.Row(1, game);
      writer.Close();
      ADD_FAILURE() << "no error for " << path;
    } catch (const FatalError& error) {
      EXPECT_THAT(error.what(), HasSubstr("Не удаётся записать файл " + path.string()));
    }
  }
  // Left to the destructor, the same failure passes silently.
  EXPECT_NO_THROW({ TraceWriter writer("/dev/full"); });
}

}  // namespace
}  // namespace quillmoor
