// The game tick: pausing, resuming, the camera switch, the fly-in and the
// finish, with the sounds each asks for.

#include <gmock/gmock.h>

#include <algorithm>

#include "input/key_bindings.h"
#include "shell/event_dispatch.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "state/game.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class GameFlowTest : public ::testing::Test {
 protected:
  SimulationState& sim() { return g_.game.sim; }
  std::vector<std::string> Sounds() const { return g_.services.log.Starting("Sound."); }
  int Cursor() const { return g_.services.window.cursorCounter; }
  // The game state, and whether its menu can go back to the race.
  std::pair<int, int> Mode() { return {sim().GameState, sim().CanContinue}; }
  void ClearLog() { g_.services.log.Clear(); }

  void Ticks(int n) { for (int i = 0; i < n; ++i) GameTick(g_.game); }
  // One press of a key: down for a tick, then up for a tick.
  void Tap(int key) {
    g_.services.keyboard.Press(key);
    Ticks(1);
    g_.services.keyboard.Release(key);
    Ticks(1);
  }
  void BeginRace() {
    sim().IntroActive = false;
    BeginNewRace(g_.game);
  }
  void StartRace() {
    BeginRace();
    Ticks(137);
    ASSERT_EQ(sim().GameState, game_state::Race);
    ClearLog();
  }
  void PlaceCraft(float distance, float speed) { sim().Distance = distance, sim().Speed = speed; }

  test::LoadedGame g_;
};

TEST_F(GameFlowTest, EscOrLosingTheFocusPausesARaceOncePerPressAndEscResumes) {
  StartRace();
  g_.services.keyboard.Press(vk::Escape);
  Ticks(5);
  EXPECT_EQ(std::tuple(Mode(), Cursor() >= 0, g_.game.graphics.FieldOfView),
            std::tuple(std::pair(+game_state::Menu, 1), true, 45.0f));
  EXPECT_THAT(Sounds(), ElementsAre("Sound.Play s-myz.res looping", "Sound.Stop s-s1.res",
                                    "Sound.Stop s-br01.res"));
  g_.services.keyboard.Release(vk::Escape);
  Ticks(1);
  ClearLog();
  Tap(vk::Escape);
  EXPECT_EQ(std::tuple(sim().GameState, Cursor() < 0), std::tuple(game_state::Race, true));
  EXPECT_THAT(Sounds(), testing::IsSupersetOf({"Sound.Play s-br01.res looping",
                                               "Sound.Stop s-myz.res",
                                               "Sound.Play s-s1.res looping"}));

  // Losing the focus pauses like Esc; no focus change ever resumes it.
  g_.game.input.FocusLost = true;
  Ticks(1);
  EXPECT_EQ(Mode(), std::pair(+game_state::Menu, 1));
  g_.game.input.FocusLost = true;
  Ticks(3);
  EXPECT_EQ(std::tuple(sim().GameState, g_.game.input.FocusLost),
            std::tuple(game_state::Menu, false));
}

TEST_F(GameFlowTest, EscOutsideARaceOnlyActsWhenItCanContinueAndEnterOnlyInARace) {
  sim().IntroActive = false;
  Tap(vk::Escape);
  Tap(vk::Return);
  EXPECT_EQ(std::tuple(sim().GameState, sim().CameraMode), std::tuple(game_state::Menu, 2));

  BeginRace();
  Ticks(10);
  Tap(vk::Escape);  // during the fly-in
  EXPECT_EQ(sim().GameState, game_state::Menu);
  sim().CanContinue = 1;  // a new game chosen from the pause menu
  ClearLog();
  Tap(vk::Escape);
  EXPECT_EQ(std::tuple(sim().GameState, sim().HintActive), std::tuple(game_state::Race, false));
  EXPECT_THAT(Sounds(), Not(Contains(HasSubstr("s-ac.res"))));

  Tap(vk::Return);
  EXPECT_EQ(sim().CameraMode, 3);
  Tap(vk::Return);
  EXPECT_EQ(sim().CameraMode, 2);
}

TEST_F(GameFlowTest, RStartsTheRaceAgainAtOnceFromTheLine) {
  StartRace();
  g_.services.keyboard.Press(vk::W);
  Ticks(300);
  g_.services.keyboard.Release(vk::W);
  ASSERT_GT(sim().Distance, 10);
  const int camera = sim().CameraMode;
  Tap(vk::R);
  EXPECT_EQ(std::tuple(sim().GameState, sim().Distance, sim().Speed, sim().RaceTime,
                       sim().CameraMode),
            std::tuple(game_state::Race, 0.0f, 0.0f, 0.04f, camera));
  EXPECT_THAT(Sounds(), Contains("Sound.Play s-s1.res looping"));

  // From the pause menu too, but not from the result page after the line.
  Tap(vk::Escape);
  ASSERT_EQ(sim().GameState, game_state::Menu);
  Tap(vk::R);
  EXPECT_EQ(std::tuple(sim().GameState, Cursor() < 0), std::tuple(game_state::Race, true));
  PlaceCraft(kFinishLine + 1, 0);
  Ticks(1);
  ASSERT_EQ(sim().GameState, game_state::Menu);
  Tap(vk::R);
  EXPECT_EQ(sim().GameState, game_state::Menu);
}

TEST_F(GameFlowTest, AltEnterSwitchesFullScreenAndLeavesTheCamera) {
  StartRace();
  KeyTranslator translator;
  for (const bool alt : {true, false}) {
    for (const InputEvent::Kind kind : {InputEvent::Kind::KeyDown, InputEvent::Kind::KeyUp}) {
      const InputEvent key{.kind = kind, .key = vk::Return,
                           .alt = alt && kind == InputEvent::Kind::KeyDown, .text = {}};
      if (const auto event = translator.Translate(key, g_.game.input.Controls, false))
        DispatchEvent(g_.game, g_.services.keyboard, *event);
      Ticks(1);
    }
    // Alt+Enter: full screen, the camera as it was; Enter alone: the camera.
    EXPECT_EQ(sim().CameraMode, alt ? 2 : 3);
  }
  EXPECT_THAT(g_.services.log.Starting("Window.Toggle"), ElementsAre("Window.ToggleFullScreen"));
}

TEST_F(GameFlowTest, TheFinishingTickAlsoRunsTheMenuTick) {
  StartRace();
  PlaceCraft(10001, 0.0004f);
  Ticks(1);
  // The menu pose this same tick, the result page, and the record check ran too.
  EXPECT_EQ(std::tuple(sim().GameState, g_.game.graphics.Camera.EyeX, sim().ShowRaceResult,
                       g_.game.best.NewRecordRank, g_.game.input.Text1.Visible),
            std::tuple(+game_state::Menu, -10.0f, true, 1, true));
  EXPECT_EQ(sim().MenuItemState, (std::array<std::uint8_t, 5>{0, 0, 2, 0, 0}));
  // The race tick goes on after the finish with the engine's pitch.
  EXPECT_THAT(Sounds(), ElementsAre("Sound.Stop s-s1.res", "Sound.Stop s-br01.res",
                                    "Sound.Play s-myz.res looping", "Sound.Frequency s-s1.res 5000"));
}

TEST_F(GameFlowTest, EscPastOrOnTheLineShowsTheResultForGood) {
  for (const float distance : {10001.0f, 10000.0f}) {
    SCOPED_TRACE(distance);
    StartRace();
    PlaceCraft(distance, distance == 10000 ? 0.001f : 1);
    Tap(vk::Escape);
    EXPECT_EQ(std::tuple(Mode(), sim().ShowRaceResult, sim().MenuItemState[menu_item::BestTimes]),
              std::tuple(std::pair(+game_state::Menu, 0), true, item_state::Chosen));
    Tap(vk::Escape);
    EXPECT_EQ(sim().GameState, game_state::Menu);
  }
  // A craft stopped exactly on the line has finished.
  StartRace();
  PlaceCraft(10000, 0);
  Ticks(1);
  EXPECT_EQ(sim().GameState, game_state::Menu);
}

TEST_F(GameFlowTest, WithoutMusicTheMusicIsNeverTouched) {
  g_.game.shell.MusicOn = 0;
  Ticks(300);
  StartRace();
  Tap(vk::Escape);
  Tap(vk::Escape);
  PlaceCraft(10001, 0);
  Ticks(1);
  EXPECT_THAT(g_.services.log.calls,
              Each(::testing::AllOf(Not(HasSubstr("s-myz.res")), Not(HasSubstr("s-br01.res")))));
}

TEST_F(GameFlowTest, AWholeRaceGetsItsValuesRunsOnExactTicksAndAsksForItsSoundsInOrder) {
  const auto values = [&] {
    return std::vector{sim().PickupZ, sim().PickupAngleNorm, sim().Acceleration, sim().AngleLimit};
  };
  EXPECT_THAT(values(), Each(0.0f));  // not from the start-up
  Ticks(298);  // the start-up ran the first intro tick
  EXPECT_TRUE(sim().IntroActive && Sounds().empty());
  Ticks(1);
  EXPECT_FALSE(sim().IntroActive);
  BeginNewRace(g_.game);
  EXPECT_LT(Cursor(), 0);
  EXPECT_THAT(values(), ElementsAre(1.0f, 9.0f, 0.001f, 80.0f));  // from the first race
  g_.services.keyboard.Press(vk::W);
  Ticks(136);
  EXPECT_EQ(sim().GameState, game_state::Menu);
  Ticks(1);
  EXPECT_EQ(std::tuple(sim().GameState, sim().HintActive), std::tuple(+game_state::Race, true));
  // Full throttle to the line, then the craft brakes to a stop by itself.
  for (int tick = 0; tick < 20000 && sim().GameState == game_state::Race; ++tick) Ticks(1);
  g_.services.keyboard.Release(vk::W);
  Ticks(50);

  // Each run of engine pitches as one line.
  std::vector<std::string> sounds;
  std::vector<int> pitches;
  for (std::string call : Sounds()) {
    if (call.starts_with("Sound.Frequency s-s1.res ")) {
      pitches.push_back(std::stoi(call.substr(25)));
      call = "Sound.Frequency s-s1.res";
    }
    if (sounds.empty() || sounds.back() != call) sounds.push_back(call);
  }
  EXPECT_THAT(sounds,
              ElementsAre("Sound.Play s-myz.res looping",  // the intro ends
                          "Sound.Stop s-myz.res", "Sound.Play s-br01.res looping",
                          "Sound.Play s-01.res once", "Sound.Volume s-br01.res -400",
                          "Sound.Play s-ac.res once", "Sound.Volume s-ac.res -400",
                          "Sound.Play s-s1.res looping", "Sound.Frequency s-s1.res",
                          "Sound.Stop s-s1.res", "Sound.Stop s-br01.res",
                          "Sound.Play s-myz.res looping", "Sound.Frequency s-s1.res"));
  ASSERT_FALSE(pitches.empty());
  EXPECT_EQ(pitches.back(), 5000);  // stopped past the line
  EXPECT_GT(*std::max_element(pitches.begin(), pitches.end()), 32000);

  // The pitch follows speed and lift.
  StartRace();
  PlaceCraft(0, 2);
  sim().LiftOffset = 0.02f;
  Ticks(1);
  EXPECT_EQ(Sounds().back(), "Sound.Frequency s-s1.res 33000");
}

}  // namespace
}  // namespace quillmoor
