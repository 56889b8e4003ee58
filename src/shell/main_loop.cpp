#include "shell/main_loop.h"

#include <algorithm>
#include <optional>

#include "ghost/ghost_race.h"
#include "input/key_bindings.h"
#include "net/net_link.h"
#include "platform/headless/virtual_clock.h"
#include "platform/image.h"
#include "platform/input.h"
#include "shell/event_dispatch.h"
#include "shell/frame_motion.h"
#include "shell/frame_tick.h"
#include "shell/session_recorder.h"
#include "shell/tick_scheduler.h"
#include "shell/trace.h"
#include "simulation/game_tick.h"
#include "state/game.h"

namespace quillmoor {

namespace {

// Saves the frame just drawn for every screenshot due by this tick.
class Screenshots {
 public:
  explicit Screenshots(const CommandLine& options)
      : pending_(options.screenshots.begin()), end_(options.screenshots.end()) {}

  bool DueAt(std::int64_t tick) const { return pending_ != end_ && pending_->first <= tick; }

  void Take(Game& game, std::int64_t tick) {
    if (!DueAt(tick)) return;
    const Image picture = game.graphics.Device->ReadBackBuffer();
    for (; DueAt(tick); ++pending_) {
      for (const std::filesystem::path& file : pending_->second) WritePng(file, picture);
    }
  }

 private:
  std::map<std::int64_t, std::vector<std::filesystem::path>>::const_iterator pending_, end_;
};

// One run of the game: events, ticks and frames, and what they leave behind.
class Session {
 public:
  Session(Game& game, HeldKeys& keys, const CommandLine& options, RunOutputs outputs)
      : game_(game),
        keys_(keys),
        options_(options),
        outputs_(outputs),
        screenshots_(options),
        interpolate_(options.interpolation && game.shell.Interpolation) {}

  std::int64_t TicksRun() const { return tick_; }

  // False when the event closes the window.
  bool Handle(const InputEvent& event) {
    if (outputs_.session) outputs_.session->Add(tick_ + 1, event);
    return DispatchEvent(game_, keys_, event);
  }

  void Tick() {
    PollNetwork(game_);  // the socket's events come between ticks
    ++tick_;
    GameTick(game_);
    SaveFinishedGhost(game_);
    if (outputs_.trace) outputs_.trace->Row(tick_, game_);
    if (outputs_.afterTick) outputs_.afterTick();
    previous_ = last_;
    last_ = CaptureMotion(game_);
  }

  bool TimerRunning() const { return game_.shell.Timer2Enabled; }
  bool FramesRunning() const { return game_.shell.Timer1Enabled; }
  bool FrameDue() const {
    return tick_ % options_.frameEvery == 0 || screenshots_.DueAt(tick_);
  }

  // A frame a fraction of a tick after the last one; past the tick it shows
  // the motion carried on, unless interpolation is off.
  void Frame(float fraction, double milliseconds) {
    std::optional<MotionOverride> shown;
    if (interpolate_ && fraction > 0 && previous_ && last_) {
      shown.emplace(game_, BlendMotion(*previous_, *last_, fraction));
    }
    if (outputs_.frameTrace) outputs_.frameTrace->Row(++frames_, milliseconds, tick_, fraction, game_);
    Timer1_Timer(game_);
    screenshots_.Take(game_, tick_);
  }

  // The window has closed, or the last tick asked for has run.
  bool Over() const {
    return game_.shell.Unloaded || (options_.ticks && tick_ >= *options_.ticks);
  }

 private:
  Game& game_;
  HeldKeys& keys_;
  const CommandLine& options_;
  RunOutputs outputs_;
  Screenshots screenshots_;
  bool interpolate_;
  std::int64_t tick_ = 0;
  std::int64_t frames_ = 0;
  std::optional<MotionSample> previous_, last_;
};

}  // namespace

int RunWindowed(Game& game, EventSource& events, HeldKeys& keys, const CommandLine& options,
                RunOutputs outputs) {
  Clock& clock = game.platform.clock;
  TickScheduler scheduler(clock.Seconds());
  Session session(game, keys, options, outputs);
  KeyTranslator translator;
  // False when the event closes the window.
  const auto handle = [&](const InputEvent& event) {
    const std::optional<InputEvent> translated =
        translator.Translate(event, game.input.Controls, game.input.Text1.Focused);
    return !translated || session.Handle(*translated);
  };
  const double framePeriod = options.maxFps ? 1.0 / *options.maxFps : 0.0;
  double nextFrame = 0;

  while (!session.Over()) {
    InputEvent event;
    while (events.PollEvent(event)) {
      if (!handle(event)) return 0;
    }
    for (int due = scheduler.Due(clock.Seconds()); due > 0 && !session.Over(); --due) {
      if (!session.TimerRunning()) break;
      session.Tick();
    }
    if (session.Over()) break;
    const double now = clock.Seconds();
    if (session.FramesRunning() && now >= nextFrame) {
      const double lastTick = scheduler.NextTick() - TickScheduler::kInterval;
      const double fraction = (now - lastTick) / TickScheduler::kInterval;
      session.Frame(float(std::clamp(fraction, 0.0, 1.0)), now * 1000);
      nextFrame = now + framePeriod;
      continue;
    }
    // Nothing to draw yet: sleep until the next tick or frame, or an event.
    const double until = session.FramesRunning() ? std::min(nextFrame, scheduler.NextTick())
                                                 : scheduler.NextTick();
    if (events.WaitEvent(event, until - now) && !handle(event)) return 0;
  }
  return 0;
}

int RunHeadless(Game& game, VirtualClock& clock, HeldKeys& keys,
                const std::vector<ScriptEvent>& script, const CommandLine& options,
                RunOutputs outputs) {
  Session session(game, keys, options, outputs);
  auto next = script.begin();
  std::int64_t frame = 0;  // with --fps, frame k is due at k / fps seconds
  while (!session.Over()) {
    const std::int64_t tick = session.TicksRun() + 1;
    clock.SetTick(tick);
    for (; next != script.end() && next->tick <= tick; ++next) {
      if (!session.Handle(next->event)) return 0;
    }
    if (!session.TimerRunning()) break;
    session.Tick();
    if (!session.FramesRunning()) continue;
    if (!options.fps) {
      if (session.FrameDue()) session.Frame(0, double(tick) * 20);
      continue;
    }
    // Every frame due before the next tick, at its own time: 50 k >= fps n
    // says frame k is not before tick n, exactly.
    const std::int64_t fps = *options.fps;
    for (frame = std::max(frame, (fps * tick + 49) / 50); 50 * frame < fps * (tick + 1); ++frame) {
      clock.SetSeconds(double(frame) / double(fps));
      const double fraction = double(50 * frame - fps * tick) / double(fps);
      session.Frame(float(fraction), double(frame) * 1000 / double(fps));
    }
    clock.SetTick(tick);
  }
  return 0;
}

}  // namespace quillmoor
