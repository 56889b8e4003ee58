#include "shell/ghost_option.h"

#include "ghost/ghost_file.h"
#include "ghost/ghost_race.h"
#include "graphics/device_setup.h"
#include "platform/files.h"
#include "platform/recording/recording_platform.h"
#include "shell/event_dispatch.h"
#include "simulation/game_tick.h"
#include "simulation/race_control.h"
#include "state/game.h"

namespace quillmoor {

namespace {

// Two hours of play: a session asking for more is not simulated at start.
constexpr std::int64_t kMaxSessionTicks = 360000;

// The simulated game as start-up leaves it, with the player's settings.
void StartLike(Game& run, const Game& game, double timeOfDay) {
  run.shell.DisplayMode = game.shell.DisplayMode;
  run.shell.OverlayOn = game.shell.OverlayOn;
  run.shell.MusicOn = game.shell.MusicOn;
  run.shell.MotionBlur = game.shell.MotionBlur;
  run.shell.StartTimeOfDay = timeOfDay;
  run.map = game.map;
  run.best = game.best;
  run.input.Controls = game.input.Controls;
  run.ghost.TrackHash = game.ghost.TrackHash;
  InitScene(run);
  if (!InitD3d(run, run.shell.DisplayMode)) throw FatalError("Невозможно инициализировать Direct3d.");
  run.graphics.ViewWidth = game.graphics.ViewWidth;
  run.graphics.ViewHeight = game.graphics.ViewHeight;
  run.graphics.AspectRatio = game.graphics.AspectRatio;
  MenuTick(run);
  SetupMatrices(run);
  run.shell.Timer1Enabled = true;
}

// Nothing more can happen: no events are left and no race is under way.
bool Idle(const Game& run) {
  const SimulationState& s = run.sim;
  const bool flyingIn = s.MenuItemState[menu_item::NewGame] == item_state::Chosen;
  const bool moving = s.GameState == game_state::Race && s.Speed > 0;
  return !flyingIn && !moving;
}

}  // namespace

std::variant<GhostRun, std::string> GhostFromSession(const Script& session, const Game& game) {
  RecordingPlatform quiet;
  quiet.clock = VirtualClock(session.clock.value_or(0.0));
  Game run(quiet.platform, game.shell.Places);
  StartLike(run, game, session.clock.value_or(0.0));
  auto next = session.events.begin();
  for (std::int64_t tick = 1; run.shell.Timer2Enabled && !run.shell.Unloaded; ++tick) {
    if (tick > kMaxSessionTicks) return "сеанс длиннее двух часов";
    quiet.clock.SetTick(tick);
    for (; next != session.events.end() && next->tick <= tick; ++next) {
      if (!DispatchEvent(run, quiet.keyboard, next->event)) return "сеанс закрыт до финиша";
    }
    GameTick(run);
    quiet.log.Clear();
    if (run.ghost.Finished) return std::move(*run.ghost.Finished);
    if (run.ghost.RunTicks > std::int64_t(kMaxGhostTicks)) return "заезд слишком долгий";
    if (next == session.events.end() && Idle(run)) break;
  }
  return "в сеансе нет законченного заезда";
}

void RaceAgainstGhostFile(Game& game, const std::filesystem::path& file) {
  const auto skip = [&](std::string_view why) {
    ReportSkippedGhost("--ghost " + file.string(), why);
  };
  const FileBytes read = ReadFileOrSayWhy(file, "нет такого файла", file_limit::Script);
  if (!read.bytes) return skip(read.problem);
  std::variant<GhostRun, std::string> ghost;
  if (LooksLikeGhost(*read.bytes)) {
    ghost = DecodeGhost(*read.bytes, game.ghost.TrackHash);
  } else {
    auto session = ParseScript(*read.bytes);
    if (const auto* why = std::get_if<std::string>(&session)) return skip(*why);
    ghost = GhostFromSession(std::get<Script>(session), game);
  }
  if (const auto* why = std::get_if<std::string>(&ghost)) return skip(*why);
  RaceAgainst(game.ghost, std::move(std::get<GhostRun>(ghost)));
}

}  // namespace quillmoor
