#include "shell/tick_scheduler.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

TEST(TickScheduler, TicksFallOnATwentyMillisecondGrid) {
  TickScheduler scheduler(100.0);
  // By 100.065 ticks 2 and 3 are due.
  for (const auto& [now, due] : {std::pair{100.0, 0}, {100.0199, 0}, {100.020, 1}, {100.039, 0}, {100.065, 2}})
    EXPECT_EQ(scheduler.Due(now), due) << now;
  EXPECT_DOUBLE_EQ(scheduler.NextTick(), 100.080);
}

TEST(TickScheduler, FiftyTicksASecondWhateverTheFrameRate) {
  // A slow frame of 150 ms or 249 ms costs no tick either.
  for (double frame : {1.0 / 144, 1.0 / 60, 1.0 / 30, 0.05, 0.15, 0.249}) {
    TickScheduler scheduler(0.0);
    int ticks = 0;
    for (double now = 0; now < 10.0 - 1e-9; now += frame) ticks += scheduler.Due(now);
    ticks += scheduler.Due(10.0);
    EXPECT_EQ(ticks, 500) << "frame " << frame;
  }
}

TEST(TickScheduler, AStallIsDroppedNotCaughtUp) {
  TickScheduler scheduler(0.0);
  EXPECT_EQ(scheduler.Due(0.26), 13);
  EXPECT_EQ(scheduler.Due(3.0), 13);  // 137 ticks due: a quarter second's run, the rest are gone
  EXPECT_EQ(scheduler.Due(3.019), 0);
  EXPECT_EQ(scheduler.Due(3.02), 1);  // the grid keeps its phase
}

}  // namespace
}  // namespace quillmoor
