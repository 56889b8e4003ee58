#pragma once

#include <string>
#include <vector>

namespace quillmoor::test {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the program with the arguments and waits for it to end.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace quillmoor::test
