#include "shell/tick_scheduler.h"

#include <cmath>

namespace quillmoor {

int TickScheduler::Due(double now) {
  // A hair of slack so that a time read exactly on a grid point counts.
  const std::int64_t reached = std::int64_t(std::floor((now - start_) / kInterval + 1e-6));
  if (reached < next_) return 0;
  const std::int64_t due = reached - next_ + 1;
  next_ = reached + 1;
  return due > kMaxTicksPerFrame ? kMaxTicksPerFrame : int(due);
}

}  // namespace quillmoor
