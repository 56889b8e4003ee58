#include "simulation/game_tick.h"

#include <cmath>
#include <utility>

#include "besttimes/best_times.h"
#include "ghost/ghost_race.h"
#include "graphics/device_setup.h"
#include "net/net_link.h"
#include "simulation/camera_motion.h"
#include "simulation/race_control.h"
#include "simulation/race_physics.h"
#include "simulation/track_contacts.h"
#include "sound/sound_files.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

constexpr std::int32_t kIntroTicks = 300;
constexpr float kExitTicks = 20;

// The engine's pitch climbs with the speed: 5000 Hz at rest, 33000 at the top.
std::int32_t EnginePitch(const SimulationState& s) {
  const double hertz =
      std::floor(double(s.Speed * 13000.0f)) + double(s.LiftOffset) * 100000.0 + 5000.0;
  return static_cast<std::int32_t>(std::nearbyint(hertz));
}

}  // namespace

bool ReadKeyPress(Game& game, int key) {
  Keyboard& keys = game.platform.keyboard;
  // A press that came and went between two ticks counts too.
  const bool pressedAgain = keys.TakePress(key);
  const bool down = keys.IsKeyDown(key);
  bool& latch = game.sim.KeyLatch[std::size_t(key) & 0xFF];
  const bool press = pressedAgain || (down && !latch);
  latch = down;
  return press;
}

void GameTick(Game& game) {
  SimulationState& s = game.sim;
  ++game.shell.GameTicks;
  // 1. Esc pauses the race, or resumes it from the menu; a window that
  // loses the keyboard pauses it as Esc does.
  const bool focusLost = std::exchange(game.input.FocusLost, false);
  const bool escape = ReadKeyPress(game, vk::Escape);
  if (focusLost && s.GameState == game_state::Race && !s.Exiting) {
    PauseRace(game);
  } else if (escape && !s.Exiting) {
    if (s.GameState == game_state::Race) {
      PauseRace(game);
    } else if (s.CanContinue == 1) {
      ResumeRace(game);
    }
  }
  // 2. Enter switches the race camera.
  if (ReadKeyPress(game, vk::Return) && s.GameState == game_state::Race) {
    s.CameraMode = s.CameraMode == 2 ? 3 : 2;
  }
  // R starts the race again at once.
  if (ReadKeyPress(game, vk::R) && CanRestart(game)) RestartRace(game);
  // G shows or hides the ghost.
  if (ReadKeyPress(game, vk::G) && s.GameState == game_state::Race) {
    game.ghost.Visible = !game.ghost.Visible;
  }
  // 3. The network link's status (the game never opens it).
  NetTick(game);
  // 4. The state's own tick; a state changed above runs at once.
  if (s.GameState == game_state::Race) RaceTick(game);
  if (s.GameState == game_state::Menu) MenuTick(game);
}

void RaceTick(Game& game) {
  SimulationState& s = game.sim;
  RacePhysics(game);
  RecordGhostTick(game.ghost, s);
  if (s.GameState != game_state::Race) FinishGhostRun(game.ghost, s.RaceTime);  // past the line
  PlaceChaseCamera(game);
  s.ObjectSlots[3].Y = Single(double(s.LiftOffset) - 2.57);
  PlayPadSounds(game);
  game.platform.sound.SetFrequency(sound_file::Engine, EnginePitch(s));
  s.ObjectSlots[3].Angle = s.CraftAngle;
  CycleColour(s);
  SetupMatrices(game);
}

void MenuTick(Game& game) {
  SimulationState& s = game.sim;
  if (s.Exiting && ++s.ExitTicks >= kExitTicks) {
    game.shell.Timer1Enabled = false;
    game.shell.Timer2Enabled = false;
    game.shell.Unloaded = true;
    return;
  }

  if (s.MenuItemState[menu_item::NewGame] == item_state::Chosen) {
    if (FlyInStep(game)) {
      StartRace(game);
      return;
    }
  } else {
    PlaceMenuCamera(game);
  }
  MenuFlyerStep(s);
  BlinkStep(s);

  if (s.IntroActive && ++s.IntroTicks >= kIntroTicks) {
    s.IntroActive = false;
    if (game.shell.MusicOn == 1) game.platform.sound.Play(sound_file::MenuMusic, /*looping=*/true);
  }
  if (++s.CaretTicks > 10) {
    s.CaretTicks = 0;
    static const std::string kBar = "|", kBlank = " ";
    s.CaretText = s.CaretText == kBlank ? kBar : kBlank;
  }
  if (s.ShowRaceResult && game.best.RecordCheckDue &&
      CheckNewRecord(game.best, s.RaceTime) != kNoRecordRank) {
    game.input.Text1.Open();  // the name entry
  }
  if (s.HoverSoundDue) {
    if (!s.IntroActive) game.platform.sound.Play(sound_file::MenuHover, /*looping=*/false);
    s.HoverSoundDue = false;
  }
  MenuPulseStep(s);
  CycleColour(s);
  SetupMatrices(game);
}

}  // namespace quillmoor
