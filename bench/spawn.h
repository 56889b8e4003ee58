#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillmoor::bench {

// Runs the program args[0] with the rest as its arguments and waits for it:
// the wall time in seconds from start to end, or nothing when it could not
// start or did not exit with status 0.
std::optional<double> TimeCleanRun(std::vector<std::string> args);

}  // namespace quillmoor::bench
