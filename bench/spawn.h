#pragma once

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace quillmoor::bench {

struct ChildRun {
  double seconds = 0;
  double peakMiB = 0;  // the child's largest resident set, or its children's
};

// Runs the program args[0] with the rest as its arguments and waits for it:
// its wall time from start to end and its peak memory, or nothing when it
// could not start or did not exit with status 0.
std::optional<ChildRun> MeasureCleanRun(std::vector<std::string> args);
std::optional<double> TimeCleanRun(std::vector<std::string> args);

// One iteration's time: a clean run of args, or the benchmark stops with
// `failure` as its error. False when it failed.
bool TimeIteration(benchmark::State& state, std::vector<std::string> args, const char* failure);

}  // namespace quillmoor::bench
