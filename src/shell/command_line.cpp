#include "shell/command_line.h"

#include "shell/exact_number.h"


namespace quillmoor {

const char* const kUsage =
    "Usage: quillmoor [options]\n"
    "\n"
    "  --data DIR             the Data folder (default: Data beside the program,\n"
    "                         else ../share/quillmoor/Data)\n"
    "  --user-dir DIR         the folder for the player's files: Config.ini,\n"
    "                         Ch1.res, Ch2.res, log.txt (default: Data when it is\n"
    "                         writable, else ~/.config/quillmoor and\n"
    "                         ~/.local/share/quillmoor)\n"
    "  --headless             no window, a virtual clock; sound is mixed, not played\n"
    "  --ticks N              run N game ticks, then end\n"
    "  --frame-every K        headless: draw a frame after every K-th tick (default 1)\n"
    "  --screenshot TICK:FILE save the frame drawn after that tick as PNG (repeatable)\n"
    "  --clock SECONDS        the time of day at tick 0, seconds since midnight\n"
    "                         (headless default 0; it advances 0.02 s per tick)\n"
    "  --script FILE          headless: play the events of FILE, one a line:\n"
    "                         TICK down|up KEY, TICK move|click X Y [left|right|middle],\n"
    "                         TICK type TEXT, TICK quit\n"
    "  --record FILE          write the session's events to FILE as such a script\n"
    "  --ghost FILE           race against the ghost in FILE: a ghost file, or a\n"
    "                         session written by --record, whose first finished\n"
    "                         race becomes the ghost\n"
    "  --trace FILE           write the game's state after every tick as CSV\n"
    "  --audio-out FILE       headless: write the sound of the run as a WAV file\n"
    "                         (16-bit stereo, 44100 Hz, 20 ms a tick)\n"
    "  --fps N                headless: draw N frames a second of the virtual clock\n"
    "                         (default: one frame after each tick)\n"
    "  --frame-trace FILE     headless: write what every frame was drawn with as CSV\n"
    "  --no-interpolation     frames between ticks show the last tick as it was\n"
    "  --vsync on|off|adaptive  wait for the display's retrace (default adaptive)\n"
    "  --max-fps N            draw at most N frames a second\n"
    "  --version              print the version and end\n"
    "  --help                 print this text and end\n";

const char* const kVersionText = "Quillmoor " QUILLMOOR_VERSION "\n";

std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string_view>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view option = args[i];
    std::optional<std::string_view> inlineValue;
    if (const std::size_t eq = option.find('='); option.starts_with("--") && eq != option.npos) {
      inlineValue = option.substr(eq + 1);
      option = option.substr(0, eq);
    }
    auto value = [&]() -> std::optional<std::string_view> {
      if (inlineValue) return inlineValue;
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    auto bad = [&](std::string_view what) {
      return std::string(option) + ": " + std::string(what);
    };
    const bool takesValue = option == "--data" || option == "--user-dir" || option == "--ticks" ||
                            option == "--frame-every" || option == "--screenshot" ||
                            option == "--clock" || option == "--script" ||
                            option == "--record" || option == "--ghost" ||
                            option == "--trace" ||
                            option == "--audio-out" || option == "--fps" ||
                            option == "--frame-trace" || option == "--vsync" ||
                            option == "--max-fps";
    if (!takesValue && inlineValue) return bad("takes no value");

    if (option == "--headless") {
      line.headless = true;
    } else if (option == "--no-interpolation") {
      line.interpolation = false;
    } else if (option == "--help") {
      line.help = true;
    } else if (option == "--version") {
      line.version = true;
    } else if (!takesValue) {
      return "unknown option " + std::string(args[i]);
    } else if (const std::optional<std::string_view> text = value(); !text) {
      return bad("needs a value");
    } else if (option == "--data") {
      if (text->empty()) return bad("needs a folder");
      line.dataDirectory = std::filesystem::path(std::string(*text));
    } else if (option == "--user-dir") {
      if (text->empty()) return bad("needs a folder");
      line.userDirectory = std::filesystem::path(std::string(*text));
    } else if (option == "--ticks") {
      const auto n = ExactNumber<std::int64_t>(*text);
      if (!n || *n < 0) return bad("needs a whole number of ticks, 0 or more");
      line.ticks = *n;
    } else if (option == "--frame-every") {
      const auto k = ExactNumber<std::int64_t>(*text);
      if (!k || *k < 1) return bad("needs a whole number, 1 or more");
      line.frameEvery = *k;
    } else if (option == "--screenshot") {
      const std::size_t colon = text->find(':');
      const auto tick = ExactNumber<std::int64_t>(text->substr(0, colon));
      if (colon == text->npos || !tick || *tick < 1 || colon + 1 == text->size()) {
        return bad("needs TICK:FILE with a tick of 1 or more");
      }
      line.screenshots[*tick].emplace_back(std::string(text->substr(colon + 1)));
    } else if (option == "--fps" || option == "--max-fps") {
      const auto n = ExactNumber<std::int64_t>(*text);
      if (!n || *n < 1 || *n > 10000) return bad("needs a whole number of frames, 1 to 10000");
      (option == "--fps" ? line.fps : line.maxFps) = int(*n);
    } else if (option == "--vsync") {
      if (*text == "on") {
        line.vsync = SwapMode::On;
      } else if (*text == "off") {
        line.vsync = SwapMode::Off;
      } else if (*text == "adaptive") {
        line.vsync = SwapMode::Adaptive;
      } else {
        return bad("needs on, off or adaptive");
      }
    } else if (option == "--clock") {
      const auto seconds = ExactNumber<double>(*text);
      if (!seconds || !(*seconds >= 0 && *seconds < 86400)) {
        return bad("needs seconds since midnight, 0 to 86400");
      }
      line.clock = *seconds;
    } else if (text->empty()) {
      return bad("needs a file");
    } else if (option == "--script") {
      line.script = std::filesystem::path(std::string(*text));
    } else if (option == "--record") {
      line.record = std::filesystem::path(std::string(*text));
    } else if (option == "--ghost") {
      line.ghost = std::filesystem::path(std::string(*text));
    } else if (option == "--trace") {
      line.trace = std::filesystem::path(std::string(*text));
    } else if (option == "--audio-out") {
      line.audioOut = std::filesystem::path(std::string(*text));
    } else if (option == "--frame-trace") {
      line.frameTrace = std::filesystem::path(std::string(*text));
    }
  }
  if (line.ticks && !line.screenshots.empty() && line.screenshots.rbegin()->first > *line.ticks) {
    return "--screenshot: tick " + std::to_string(line.screenshots.rbegin()->first) +
           " comes after the last tick, " + std::to_string(*line.ticks);
  }
  if (line.script && !line.headless) return std::string("--script: only with --headless");
  if (line.audioOut && !line.headless) return std::string("--audio-out: only with --headless");
  if (line.fps && !line.headless) return std::string("--fps: only with --headless");
  if (line.frameTrace && !line.headless) return std::string("--frame-trace: only with --headless");
  return line;
}

FilePlaces FilePlacesFor(const CommandLine& options, const std::filesystem::path& programDirectory,
                         const UserEnvironment& environment) {
  return FindFilePlaces(
      {programDirectory, options.dataDirectory, options.userDirectory, environment});
}

}  // namespace quillmoor
