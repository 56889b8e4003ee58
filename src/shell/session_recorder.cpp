#include "shell/session_recorder.h"

#include "platform/fatal_error.h"
#include "shell/script.h"

namespace quillmoor {

namespace {

FatalError CannotWrite(const std::filesystem::path& path) {
  return FatalError("Не удаётся записать файл " + path.string() + '.');
}

}  // namespace

SessionRecorder::SessionRecorder(const std::filesystem::path& path, double startTimeOfDay)
    : path_(path), out_(path, std::ios::binary | std::ios::trunc) {
  if (!out_) throw CannotWrite(path_);
  out_ << "# A Quillmoor session: replay it with --headless --script FILE.\n"
       << ClockLine(startTimeOfDay) << '\n';
}

void SessionRecorder::Add(std::int64_t tick, const InputEvent& event) {
  const std::string line = ScriptLine(tick, event);
  if (!line.empty()) out_ << line << '\n';
}

void SessionRecorder::Close() {
  out_.close();
  if (!out_) throw CannotWrite(path_);
}

}  // namespace quillmoor
