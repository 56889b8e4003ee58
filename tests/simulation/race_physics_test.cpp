// Tick-exact checks of the race step.

#include <gtest/gtest.h>

#include "simulation/race_control.h"
#include "simulation/race_physics.h"
#include "state/game.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

class RacePhysicsTest : public ::testing::Test {
 protected:
  explicit RacePhysicsTest(std::string_view map = "0") : g_(map) {
    ResetRace(game());
    game().sim.GameState = game_state::Race;
  }

  Game& game() { return g_.game; }
  SimulationState& sim() { return g_.game.sim; }
  HeldKeys& keys() { return g_.services.keyboard; }

  void Ticks(int n) { for (int i = 0; i < n; ++i) RacePhysics(game()); }

  test::LoadedGame g_;
};

TEST_F(RacePhysicsTest, FullThrottleReachesTopSpeedAfter2000Ticks) {
  keys().Press(vk::W);
  Ticks(1999);
  EXPECT_EQ(std::pair(sim().Speed < 2.0f, sim().AtTopSpeed), std::pair(true, false));
  Ticks(1);
  EXPECT_EQ(std::tuple(sim().Speed, sim().AtTopSpeed, sim().TurnRate, game().graphics.FieldOfView),
            std::tuple(2.0f, true, 5.0f, 52.0f));
}

TEST_F(RacePhysicsTest, NoKeyOrBothThrottleKeysCoastAndBrakingSoftensNearRest) {
  sim().Speed = 0.5f;
  Ticks(10);
  keys().Press(vk::Up);
  keys().Press(vk::S);
  Ticks(1);
  EXPECT_EQ(std::pair(sim().Speed, int(sim().ThrottleState)), std::pair(0.5f, 0));

  keys().Release(vk::Up);
  keys().Release(vk::S);
  keys().Press(vk::Down);
  sim().Speed = 0.0404f;
  Ticks(1);
  EXPECT_EQ(std::pair(sim().Speed, int(sim().ThrottleState)),
            std::pair(0.0404f + 0.001f * -5.0f, 2));
  Ticks(1);
  EXPECT_EQ(sim().Speed, 0.0354f + 0.001f * static_cast<float>(-0.7));
  Ticks(100);
  EXPECT_EQ(sim().Speed, 0.0f);
}

TEST_F(RacePhysicsTest, SteeringUsesTheLastTicksSpeedAndStopsAtTheLimits) {
  keys().Press(vk::W);
  keys().Press(vk::D);
  Ticks(1);  // the speed becomes positive; the turn rate is still 0
  EXPECT_EQ(sim().CraftAngle, 0.0f);
  Ticks(1);
  EXPECT_EQ(sim().CraftAngle, 0.003f);

  keys().Release(vk::W);
  keys().Release(vk::D);
  sim().Speed = 1;
  sim().TurnRate = 3;
  // Left from one wraps to 358.
  for (const auto& [key, from, angle, angleSigned] :
       {std::tuple{vk::D, 79.0f, 80.0f, 80.0f}, {vk::Left, 281.0f, 280.0f, -80.0f},
        {vk::A, 1.0f, 358.0f, -2.0f}}) {
    keys().Press(key);
    sim().CraftAngle = from;
    Ticks(1);
    keys().Release(key);
    EXPECT_EQ(std::pair(sim().CraftAngle, sim().CraftAngleSigned), std::pair(angle, angleSigned));
  }
}

TEST_F(RacePhysicsTest, TheClockStopsAfterTheFinishAndTheCraftBrakesToTheEnd) {
  sim().Distance = 9999;
  sim().Speed = 2;
  keys().Press(vk::W);
  Ticks(1);
  const float atFinish = sim().RaceTime;
  EXPECT_EQ(sim().Distance, 10001.0f);
  Ticks(1);
  // The clock stands; braking, whatever is held, yet still moving on.
  EXPECT_EQ(std::tuple(sim().RaceTime, int(sim().ThrottleState), sim().Speed < 2,
                       sim().Distance > 10001),
            std::tuple(atFinish, 2, true, true));
  while (sim().GameState == game_state::Race) Ticks(1);
  EXPECT_EQ(std::tuple(sim().Speed, sim().ShowRaceResult,
                       sim().MenuItemState[menu_item::BestTimes]),
            std::tuple(0.0f, true, item_state::Chosen));
}

TEST_F(RacePhysicsTest, TheClockCountsInDoubleStepsAndTheLightsBlinkTwoTicksInFiftyTwo) {
  float clock = 0;
  std::vector<int> on;
  for (int tick = 1; tick <= 104; ++tick) {
    Ticks(1);
    if (tick <= 3) clock = static_cast<float>(double(clock) + 0.02);
    if (tick == 3) {
      EXPECT_EQ(sim().RaceTime, clock);
    }
    if (sim().BlinkOn) on.push_back(tick);
  }
  EXPECT_EQ(on, (std::vector<int>{50, 51, 102, 103}));
}

TEST_F(RacePhysicsTest, ThePickupIsTouchedFromHalfAUnitAheadAndTintsUntilTick301) {
  const auto touchedFrom = [&](float z, float angle) {
    sim().PickupActive = true;
    sim().TintActive = false;
    sim().PickupZ = z;
    sim().PickupAngle = angle;
    Ticks(1);
    return sim().TintActive;
  };
  // The single -0.8 lies below the double -0.8.
  const struct { float z, angle; bool touched; } cases[] = {
      {0.51f, 0, false}, {-0.79f, 8, true}, {-0.8f, 0, false}, {0, 9, false}, {0.5f, 0, true}};
  for (const auto& c : cases)
    EXPECT_EQ(touchedFrom(c.z, c.angle), c.touched) << c.z << ' ' << c.angle;
  EXPECT_EQ(g_.services.log.calls.back(), "SetRenderState Ambient 0x00FF00FF");
  Ticks(299);
  EXPECT_EQ(std::pair(sim().TintActive, int(sim().TintTicks)), std::pair(true, 300));
  Ticks(1);
  EXPECT_EQ(std::pair(sim().TintActive, int(sim().TintTicks)), std::pair(false, 301));
  EXPECT_EQ(g_.services.log.calls.back(), "SetRenderState Ambient 0x00FFFFFF");
}

TEST_F(RacePhysicsTest, ThingsComeFromAheadButNoNewPickupAfterTheFinish) {
  sim().AsteroidActive = false;
  Ticks(1);
  // At 120 ahead, across a whole number from -5 to 5.
  const float x = sim().AsteroidX;
  EXPECT_EQ(std::tuple(sim().AsteroidActive, sim().AsteroidZ, x, std::abs(x) <= 5),
            std::tuple(true, 120.0f, std::floor(x), true));
  sim().Speed = 1;
  Ticks(1);  // the asteroid flies 0.2 faster than the track
  EXPECT_EQ(sim().AsteroidZ, static_cast<float>(double(119.0f) - 0.2));

  sim().Distance = 10001;
  sim().Speed = 0;
  sim().PickupActive = false;
  sim().PickupZ = -5;
  Ticks(1);
  EXPECT_FALSE(sim().PickupActive);
  Ticks(1);
  sim().Distance = 100;
  Ticks(1);
  EXPECT_EQ(std::pair(sim().PickupActive, sim().PickupZ), std::pair(true, 120.0f));
}

// Pads at the edges of the drawing window and the contact window.
class PadsTest : public RacePhysicsTest {
 protected:
  PadsTest() : RacePhysicsTest(Map()) { sim().Distance = 1000; }

  static std::string Map() {
    // Dist, Kind, Angle for each pad.
    const char* pads[] = {"999 0 30",   "1090 0 30",    "998.999 0 30", "1090.001 0 30",
                          "999.3 0 12", "1001.3 0 -12", "1000 0 12.01", "1000 2 0"};
    std::string text = std::to_string(std::size(pads));
    for (std::string pad : pads) {
      std::replace(pad.begin(), pad.end(), ' ', char(31));
      text += char(30) + pad;
    }
    return text;
  }
};

// The window runs from one behind to 90 ahead, bounds included.
TEST_F(PadsTest, WindowAndContactBoundsAreIncludedAndKindTwoDoesNothing) {
  sim().Speed = 1;  // after the scan, Distance moves on
  Ticks(1);
  const auto visible = sim().VisibleObjects.begin() + 1;
  EXPECT_EQ(std::vector<float>(visible, visible + sim().VisibleCount),
            (std::vector<float>{1, 2, 5, 6, 7, 8}));
  EXPECT_TRUE(sim().GreenContact);  // pads 5 and 6 sit on the bounds
  EXPECT_EQ(sim().Speed, 1.0f + 1.0f / 20);  // one boost, however many pads

  game().map.MapObjects[5].Angle = 12.01f;
  game().map.MapObjects[6].Angle = -12.01f;
  sim().Distance = 1000;
  sim().Speed = 0;
  Ticks(1);
  EXPECT_FALSE(sim().GreenContact || sim().RedContact);
}

TEST_F(PadsTest, BrakingOverARedPadDrivesOnInstead) {
  game().map.MapObjects[5].Kind = 2;
  game().map.MapObjects[6].Kind = 2;
  game().map.MapObjects[8].Kind = 1;  // red, under the craft
  sim().Speed = 1;
  keys().Press(vk::S);
  Ticks(1);
  EXPECT_EQ(std::pair(sim().RedContact, sim().Speed), std::pair(false, 1.0f + 0.001f));

  keys().Release(vk::S);
  sim().Distance = 1000;
  Ticks(1);
  EXPECT_EQ(std::pair(sim().RedContact, sim().Speed), std::pair(true, 1.001f - 1.001f / 5));
}

}  // namespace
}  // namespace quillmoor
