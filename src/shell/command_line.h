#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/swap_mode.h"
#include "settings/file_places.h"

namespace quillmoor {

struct CommandLine {
  std::optional<std::filesystem::path> dataDirectory;
  std::optional<std::filesystem::path> userDirectory;
  bool headless = false;
  std::optional<std::int64_t> ticks;
  std::int64_t frameEvery = 1;
  std::map<std::int64_t, std::vector<std::filesystem::path>> screenshots;  // by tick
  std::optional<double> clock;  // seconds since midnight at tick 0
  std::optional<std::filesystem::path> script;  // headless: the events to play
  std::optional<std::filesystem::path> record;  // the session's events, as a script
  std::optional<std::filesystem::path> ghost;   // a ghost file or a recorded session
  std::optional<std::filesystem::path> audioOut;  // headless: the sound mix as WAV
  std::optional<std::filesystem::path> trace;   // a CSV row after every game tick
  std::optional<int> fps;  // headless: frames a second of the virtual clock
  std::optional<std::filesystem::path> frameTrace;  // headless: a CSV row a frame
  bool interpolation = true;  // frames between ticks show the motion between them
  SwapMode vsync = SwapMode::Adaptive;
  std::optional<int> maxFps;  // a cap on the frame rate
  bool help = false;
  bool version = false;
};

// The options, or the reason they make no sense.
std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string_view>& args);

// Where the run's files are, for a program in programDirectory.
FilePlaces FilePlacesFor(const CommandLine& options, const std::filesystem::path& programDirectory,
                         const UserEnvironment& environment);

extern const char* const kUsage;
extern const char* const kVersionText;

}  // namespace quillmoor
