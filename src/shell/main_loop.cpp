#include "shell/main_loop.h"

#include "platform/headless/virtual_clock.h"
#include "platform/image.h"
#include "platform/input.h"
#include "shell/frame_tick.h"
#include "shell/game.h"
#include "shell/tick_scheduler.h"
#include "simulation/game_tick.h"

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

// False when the event closes the window.
bool DispatchEvent(Game&, const InputEvent& event) {
  return event.kind != InputEvent::Kind::Quit;
}

bool Finished(const CommandLine& options, std::int64_t tick) {
  return options.ticks && tick >= *options.ticks;
}

}  // namespace

int RunWindowed(Game& game, EventSource& events, const CommandLine& options) {
  Clock& clock = game.platform.clock;
  TickScheduler scheduler(clock.Seconds());
  Screenshots screenshots(options);
  std::int64_t tick = 0;
  if (Finished(options, tick)) return 0;

  for (;;) {
    InputEvent event;
    while (events.PollEvent(event)) {
      if (!DispatchEvent(game, event)) return 0;
    }
    for (int due = scheduler.Due(clock.Seconds()); due > 0 && !Finished(options, tick); --due) {
      if (!game.shell.Timer2Enabled) break;
      GameTick(game);
      ++tick;
    }
    if (game.shell.Timer1Enabled) {
      Timer1_Timer(game);
      screenshots.Take(game, tick);
    } else if (events.WaitEvent(event, scheduler.NextTick() - clock.Seconds()) &&
               !DispatchEvent(game, event)) {
      return 0;
    }
    if (Finished(options, tick)) return 0;
  }
}

int RunHeadless(Game& game, VirtualClock& clock, const CommandLine& options) {
  Screenshots screenshots(options);
  for (std::int64_t tick = 1; !options.ticks || tick <= *options.ticks; ++tick) {
    clock.SetTick(tick);
    if (game.shell.Timer2Enabled) GameTick(game);
    if (game.shell.Timer1Enabled && (tick % options.frameEvery == 0 || screenshots.DueAt(tick))) {
      Timer1_Timer(game);
      screenshots.Take(game, tick);
    }
  }
  return 0;
}

}  // namespace quillmoor
