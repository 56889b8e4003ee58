#include "platform/recording/recording_sound.h"

#include <string>

namespace quillmoor {

namespace {

std::string Line(std::string_view verb, std::string_view file) {
  return "Sound." + std::string(verb) + ' ' + std::string(file);
}

}  // namespace

void RecordingSound::Play(std::string_view file, bool looping) {
  log_.Add(Line("Play", file) + (looping ? " looping" : " once"));
}

void RecordingSound::Stop(std::string_view file) { log_.Add(Line("Stop", file)); }

void RecordingSound::Rewind(std::string_view file) { log_.Add(Line("Rewind", file)); }

void RecordingSound::SetVolume(std::string_view file, std::int32_t volume) {
  log_.Add(Line("Volume", file) + ' ' + std::to_string(volume));
}

void RecordingSound::SetFrequency(std::string_view file, std::int32_t hertz) {
  log_.Add(Line("Frequency", file) + ' ' + std::to_string(hertz));
}

}  // namespace quillmoor
