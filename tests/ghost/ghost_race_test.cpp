// The ghost in the game: recorded, raced against, kept when faster, and the
// split times against it.

#include "ghost/ghost_race.h"

#include <gmock/gmock.h>

#include "frame/hud_time_text.h"
#include "ghost/ghost_file.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "state/game.h"
#include "state/single_precision.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class GhostRaceTest : public ::testing::Test {
 protected:
  Game& game() { return g_.game; }
  GhostState& ghost() { return g_.game.ghost; }
  std::string SavedBytes() { return test::ReadAll(ghost().File); }

  // A race from the line to the stop: the throttle from race tick `throttleFrom`,
  // left held for ticks 200 to 400. Calls `each` after every race tick.
  void Race(int throttleFrom, const std::function<void()>& each = {}) {
    game().sim.IntroActive = false;
    BeginNewRace(game());
    while (game().sim.GameState != game_state::Race) GameTick(game());
    for (int tick = 1; game().sim.GameState == game_state::Race; ++tick) {
      if (tick == throttleFrom) g_.services.keyboard.Press(vk::W);
      if (tick == 200) g_.services.keyboard.Press(vk::A);
      if (tick == 400) g_.services.keyboard.Release(vk::A);
      GameTick(game());
      if (each) each();
    }
    g_.services.keyboard.Release(vk::W);
    SaveFinishedGhost(game());
  }

  test::LoadedGame g_;
};

// Faster and slower runs are kept or not end to end; here the same inputs
// again ride exactly on the ghost, tick for tick, and the tie is not kept.
TEST_F(GhostRaceTest, TheSameRunRidesExactlyOnItsGhost) {
  ASSERT_FALSE(ghost().Raced);
  Race(1);
  ASSERT_TRUE(ghost().Raced);
  EXPECT_FALSE(ghost().FinalDelta);  // nothing was raced
  const std::string saved = SavedBytes();
  int ticks = 0, apart = 0;
  Race(1, [&] {
    ++ticks;
    apart += ghost().ShownDistance != game().sim.Distance ||
             ghost().ShownAngle != game().sim.CraftAngle || !ghost().Present;
  });
  EXPECT_EQ(ticks, int(ghost().Raced->Samples.size()));
  EXPECT_EQ(apart, 0);
  EXPECT_EQ(*ghost().FinalDelta, 0);
  EXPECT_EQ(SavedBytes(), saved);
}

TEST_F(GhostRaceTest, SplitTimesAgainstAHandComputation) {
  // The ghost covers 2 units a tick: 1000 at tick 500, 2000 at tick 1000.
  GhostRun run{0, 100, {}};
  for (int i = 1; i <= 5000; ++i) run.Samples.push_back({2.0f * float(i), 0, 0, 1, 2});
  ghost().Raced = run;
  StartGhostRun(ghost());
  SimulationState s;
  const auto ride = [&](float speed, int ticks) {
    for (int i = 0; i < ticks; ++i) {
      s.Distance += speed;
      RecordGhostTick(ghost(), s);
    }
  };
  // 1.5 a tick reaches 1000 on tick 667: 167 ticks, 3.34 s, behind.
  ride(1.5f, 666);
  EXPECT_EQ(ghost().SplitTicks, 0);
  ride(1.5f, 1);
  EXPECT_EQ(ghost().SplitDelta, Single(167 * 0.02));
  EXPECT_EQ(SplitText(ghost().SplitDelta), "+3.34");
  EXPECT_EQ(ghost().SplitTicks, kSplitShowTicks);
  ride(1.5f, kSplitShowTicks);
  EXPECT_EQ(ghost().SplitTicks, 0);  // two seconds, then gone
  // Then 4 a tick from 1150.5: 2000 on tick 767 + 213 = 980, 20 ticks ahead.
  ride(4, 212);
  EXPECT_EQ(ghost().NextSplit, 2);
  ride(4, 1);
  EXPECT_EQ(SplitText(ghost().SplitDelta), "-0.40");
  EXPECT_EQ(ghost().NextSplit, 3);

  FinishGhostRun(ghost(), 98.5f);
  EXPECT_EQ(SplitText(*ghost().FinalDelta), "-1.50");
  EXPECT_EQ(SplitText(0.004f), "0.00");
  EXPECT_EQ(SplitText(-0.84f), "-0.84");
}

TEST_F(GhostRaceTest, GhostsOffShowNothingAndGOnlyHidesItInARace) {
  Race(1);
  ghost().Enabled = false;
  Race(1, [&] { ASSERT_FALSE(ghost().Present); ASSERT_EQ(ghost().SplitTicks, 0); });
  EXPECT_FALSE(ghost().FinalDelta);

  ghost().Enabled = true;
  g_.services.keyboard.Press(vk::G);  // in the menu: nothing
  GameTick(game());
  g_.services.keyboard.Release(vk::G);
  EXPECT_TRUE(ghost().Visible);
  Race(1, [&] {
    if (ghost().RunTicks == 10) g_.services.keyboard.Press(vk::G);
  });
  EXPECT_FALSE(ghost().Visible);
}

TEST_F(GhostRaceTest, AFailedSaveIsReportedAndChangesNothing) {
  std::filesystem::create_directories(ghost().File);  // a folder in the way
  Race(1);
  EXPECT_FALSE(ghost().SavedTime);
  EXPECT_FALSE(ghost().Raced);
  EXPECT_THAT(g_.services.log.Starting("Dialog "),
              ElementsAre(HasSubstr("не сохранён как призрак")));
  EXPECT_TRUE(std::filesystem::is_empty(ghost().File));
}

// The track's ghost file holding another track's run: named once, not raced.
TEST_F(GhostRaceTest, ATrackGhostThatIsNoGoodIsNamedAndSkipped) {
  Race(1);
  const GhostState fresh;
  ghost() = fresh;
  ::testing::internal::CaptureStderr();
  LoadTrackGhost(game(), "another map");
  std::filesystem::copy_file(GhostFileIn(ghost().File.parent_path(), Fnv1a64(test::ReadAll(
                                 g_.dir.path() / "Data/map.res"))), ghost().File);
  LoadTrackGhost(game(), "another map");
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said, ghost().File.string() + ": призрак пропущен: призрак другой трассы\n");
  EXPECT_FALSE(ghost().Raced);
  EXPECT_FALSE(ghost().SavedTime);
}

}  // namespace
}  // namespace quillmoor
