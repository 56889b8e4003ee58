#include "support/run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/temp_dir.h"

extern char** environ;

namespace quillmoor::test {

namespace {

// The environment for the program: ours, with leak detection off. The
// software OpenGL driver leaks at exit and unloads itself before the leak
// check, so its reports name no module and cannot be suppressed; address
// and undefined-behaviour checks stay on.
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> environment;
  std::string asan = "ASAN_OPTIONS=detect_leaks=0";
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    if (variable.starts_with("ASAN_OPTIONS=")) {
      asan = variable + ":detect_leaks=0";
    } else {
      environment.push_back(variable);
    }
  }
  environment.push_back(asan);
  return environment;
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
  TempDir capture;
  const std::string out = (capture.path() / "out").string();
  const std::string err = (capture.path() / "err").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);

  ProgramResult result;
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = ReadAll(out);
  result.err = ReadAll(err);
  return result;
}

}  // namespace quillmoor::test
