#include "spawn.h"

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <utility>

extern char** environ;

namespace quillmoor::bench {

std::optional<double> TimeCleanRun(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {};
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return {};
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return std::chrono::duration<double>(end - start).count();
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
