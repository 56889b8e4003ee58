#include "spawn.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>

#include <chrono>
#include <utility>

extern char** environ;

namespace quillmoor::bench {

std::optional<ChildRun> MeasureCleanRun(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {};
  int status = 0;
  rusage usage{};
  pid_t ended = -1;
  do {
    ended = wait4(pid, &status, 0, &usage);
  } while (ended < 0 && errno == EINTR);
  const auto end = std::chrono::steady_clock::now();
  if (ended != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return ChildRun{std::chrono::duration<double>(end - start).count(),
                  double(usage.ru_maxrss) / 1024.0};  // kibibytes on Linux
}

std::optional<double> TimeCleanRun(std::vector<std::string> args) {
  const std::optional<ChildRun> run = MeasureCleanRun(std::move(args));
  if (!run) return {};
  return run->seconds;
}

bool TimeIteration(benchmark::State& state, std::vector<std::string> args, const char* failure) {
  const std::optional<double> seconds = TimeCleanRun(std::move(args));
  if (!seconds) {
    state.SkipWithError(failure);
    return false;
  }
  state.SetIterationTime(*seconds);
  return true;
}

}  // namespace quillmoor::bench
