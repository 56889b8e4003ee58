#pragma once

#include <ctime>

namespace quillmoor::bench {

// The CPU time of all the process's threads, the driver's and mixer's too.
inline double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

}  // namespace quillmoor::bench
