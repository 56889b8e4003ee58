#pragma once

// Measures of how frames and ticks keep time, for the tests and the
// benchmarks alike.

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/virtual_clock.h"
#include "platform/input.h"

namespace quillmoor::test {

// The spread of the craft's advance from frame to frame, as written by
// --frame-trace, over the frames from a tick on: the standard deviation
// over the mean.
inline double AdvanceSpread(const std::string& frameTrace, std::int64_t fromTick) {
  std::istringstream rows(frameTrace);
  std::string row;
  std::getline(rows, row);  // the header
  std::vector<double> advances;
  double lastDistance = NAN;
  while (std::getline(rows, row)) {
    std::vector<std::string> fields;
    std::istringstream cells(row);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    if (fields.size() < 12 || std::stoll(fields[2]) < fromTick) continue;
    const double distance = std::stod(fields[10]);
    if (!std::isnan(lastDistance)) advances.push_back(distance - lastDistance);
    lastDistance = distance;
  }
  if (advances.empty()) return NAN;
  double sum = 0, squares = 0;
  for (double a : advances) sum += a;
  const double mean = sum / double(advances.size());
  for (double a : advances) squares += (a - mean) * (a - mean);
  return std::sqrt(squares / double(advances.size())) / mean;
}

// Every pass of the window's loop, which draws one frame, takes the
// frame's time on the clock; the window closes once the clock has passed
// closeAt, and there are no other events.
class FramesThatTake final : public EventSource {
 public:
  FramesThatTake(VirtualClock& clock, double seconds, double closeAt = INFINITY)
      : clock_(clock), seconds_(seconds), closeAt_(closeAt) {}
  bool PollEvent(InputEvent& event) override {
    if (now_ >= closeAt_) {
      event = InputEvent{};  // the close box
      return true;
    }
    clock_.SetSeconds(now_ += seconds_);
    return false;
  }
  bool WaitEvent(InputEvent& event, double) override { return PollEvent(event); }

 private:
  VirtualClock& clock_;
  double seconds_;
  double closeAt_;
  double now_ = 0;
};

}  // namespace quillmoor::test
