#include "simulation/race_control.h"

#include <cmath>

#include "ghost/ghost_race.h"
#include "graphics/device_setup.h"
#include "simulation/camera_motion.h"
#include "sound/sound_files.h"
#include "state/game.h"
#include "state/single_precision.h"

namespace quillmoor {

namespace {

constexpr std::int32_t kQuieter = -400;  // hundredths of a decibel

bool MusicOn(const ShellState& shell) { return shell.MusicOn == 1; }

void PlaceTunnelPieces(SimulationState& s) { s.TunnelSegZ = kTunnelStart; }

// The menu music gives way to the race music.
void SwitchToRaceMusic(Game& game) {
  if (!MusicOn(game.shell)) return;
  game.platform.sound.Stop(sound_file::MenuMusic);
  game.platform.sound.Play(sound_file::RaceMusic, /*looping=*/true);
}

void ShowRaceResult(Game& game) {
  game.sim.MenuItemState[menu_item::BestTimes] = item_state::Chosen;
  game.sim.ShowRaceResult = true;
  game.best.RecordCheckDue = true;
}

}  // namespace

void InitScene(Game& game) {
  SimulationState& s = game.sim;
  s.FlyerPos = kFlyerStart;
  s.StationPos = kStationStart;
  s.ExitTicks = 0;
  s.Exiting = false;
  s.MenuVisible = true;
  PlaceTunnelPieces(s);
  s.MenuPulse = 0;
  s.MenuPulseFalling = false;
  RandomizeFromGameTime(game);
  StartColourCycle(s, static_cast<std::uint8_t>(std::floor(s.Random.Rnd() * 6) + 1));
  s.CycleStep = kCycleStep;
}

void ResetRace(Game& game) {
  SimulationState& s = game.sim;
  s.Speed = 0;
  s.Acceleration = 0.001f;
  s.ChaseAngle = 0;
  s.CraftAngle = 0;
  s.CraftAngleSigned = 0;
  s.AngleLimit = 80;
  s.TurnRate = 0;
  s.ThrottleState = 0;
  s.GreenContact = false;
  s.RedContact = false;
  PlaceTunnelPieces(s);
  s.Flicker = 0;
  s.Distance = 0;
  s.LiftOffset = 0;
  s.BlinkCounter = 0;
  s.BlinkOn = false;
  s.RaceTime = 0;
  s.PickupZ = 1;
  s.PickupAngleNorm = 9;
  s.PickupActive = false;
  s.TintActive = false;
  StartGhostRun(game.ghost);
  if (MusicOn(game.shell)) game.platform.sound.SetVolume(sound_file::RaceMusic, kQuieter);
}

void BeginNewRace(Game& game) {
  SwitchToRaceMusic(game);
  game.platform.sound.Play(sound_file::MenuClick, /*looping=*/false);
  game.sim.MenuItemState[menu_item::NewGame] = item_state::Chosen;  // the fly-in runs
  game.sim.MenuItemState[menu_item::BestTimes] = item_state::Normal;
  game.sim.MenuItemState[menu_item::Credits] = item_state::Normal;
  game.sim.MenuItemState[menu_item::Exit] = item_state::Normal;
  game.sim.MenuVisible = false;
  ResetRace(game);
  game.sim.ObjectSlots[3].Angle = game.sim.CraftAngle;
  HidePointer(game.platform.window);
}

void RestartRace(Game& game) {
  BeginNewRace(game);
  PlaceChaseCamera(game);
  StartRace(game);
}

bool CanRestart(const Game& game) {
  const SimulationState& s = game.sim;
  if (s.Exiting || s.IntroActive || game.input.Text1.Focused) return false;
  return s.GameState == game_state::Race || (s.MenuVisible && s.CanContinue == 1);
}

void ContinueRace(Game& game) {
  SwitchToRaceMusic(game);
  game.platform.sound.Play(sound_file::MenuClick, /*looping=*/false);
  if (game.sim.TintActive) SetAmbient(game.graphics, kAmbientTint);
  game.sim.GameState = game_state::Race;
  game.platform.sound.Play(sound_file::Engine, /*looping=*/true);
  HidePointer(game.platform.window);
}

void RequestExit(Game& game) {
  game.sim.Exiting = true;
  SetAmbient(game.graphics, kAmbientExit);
}

void PauseRace(Game& game) {
  SimulationState& s = game.sim;
  if (MusicOn(game.shell)) game.platform.sound.Play(sound_file::MenuMusic, /*looping=*/true);
  ShowPointer(game.platform.window);
  s.MenuItemState = {};
  s.MenuVisible = true;
  s.CanContinue = s.Distance < kFinishLine ? 1 : 0;
  // Standing exactly on the line counts as past it, as for the clock.
  if (s.Distance >= kFinishLine) ShowRaceResult(game);
  s.GameState = game_state::Menu;
  SetAmbient(game.graphics, kAmbientWhite);
  game.platform.sound.Stop(sound_file::Engine);
  if (MusicOn(game.shell)) game.platform.sound.Stop(sound_file::RaceMusic);
  game.graphics.FieldOfView = 45;
}

void ResumeRace(Game& game) {
  if (game.sim.TintActive) SetAmbient(game.graphics, kAmbientTint);
  game.sim.GameState = game_state::Race;
  if (MusicOn(game.shell)) {
    game.platform.sound.Play(sound_file::RaceMusic, /*looping=*/true);
    game.platform.sound.Stop(sound_file::MenuMusic);
  }
  game.platform.sound.Play(sound_file::Engine, /*looping=*/true);
  HidePointer(game.platform.window);
}

void StartRace(Game& game) {
  game.graphics.Camera.EyeZ = Single(-0.8);
  game.platform.sound.Play(sound_file::RaceStart, /*looping=*/false);
  game.platform.sound.SetVolume(sound_file::RaceStart, kQuieter);
  game.platform.sound.Play(sound_file::Engine, /*looping=*/true);
  game.sim.HintActive = true;
  game.sim.HintTicks = 0;
  game.sim.GameState = game_state::Race;
}

void EndRace(Game& game) {
  SimulationState& s = game.sim;
  s.MenuItemState = {};
  s.MenuVisible = true;
  s.CanContinue = 0;
  s.GameState = game_state::Menu;
  game.platform.sound.Stop(sound_file::Engine);
  ShowRaceResult(game);
  if (MusicOn(game.shell)) {
    game.platform.sound.Stop(sound_file::RaceMusic);
    game.platform.sound.Play(sound_file::MenuMusic, /*looping=*/true);
  }
  ShowPointer(game.platform.window);
  game.graphics.FieldOfView = 45;
  SetAmbient(game.graphics, kAmbientWhite);
}

}  // namespace quillmoor
