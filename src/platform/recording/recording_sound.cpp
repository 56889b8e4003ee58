#include "platform/recording/recording_sound.h"

#include <cstdio>
#include <string>

namespace quillmoor {

namespace {

std::string Line(std::string_view verb, std::string_view file) {
  return "Sound." + std::string(verb) + ' ' + std::string(file);
}

std::string Text(Vector3 v) {
  char text[64];
  std::snprintf(text, sizeof text, "%g %g %g", double(v.x), double(v.y), double(v.z));
  return text;
}

}  // namespace

bool RecordingSound::Open() {
  log_.Add(hasOutput ? "Sound.Open" : "Sound.Open failed");
  return hasOutput;
}

void RecordingSound::Load(std::string_view name, const std::filesystem::path& file,
                          SoundControl control) {
  static constexpr const char* kControls[] = {"volume", "frequency", "positional"};
  log_.Add(Line("Load", name) + ' ' + kControls[int(control)] +
           (file.filename() == name ? "" : " from " + file.string()));
}

void RecordingSound::PlaceListener(Vector3 position, Vector3 front, Vector3 top) {
  log_.Add("Sound.Listener " + Text(position) + " front " + Text(front) + " top " + Text(top));
}

void RecordingSound::Play(std::string_view file, bool looping) {
  log_.Add(Line("Play", file) + (looping ? " looping" : " once"));
}

void RecordingSound::Stop(std::string_view file) { log_.Add(Line("Stop", file)); }

void RecordingSound::Rewind(std::string_view file) { log_.Add(Line("Rewind", file)); }

void RecordingSound::SetVolume(std::string_view file, std::int32_t volume) {
  log_.Add(Line("Volume", file) + ' ' + std::to_string(volume));
}

void RecordingSound::Release(std::string_view file) { log_.Add(Line("Release", file)); }

void RecordingSound::Close() { log_.Add("Sound.Close"); }

void RecordingSound::SetFrequency(std::string_view file, std::int32_t hertz) {
  log_.Add(Line("Frequency", file) + ' ' + std::to_string(hertz));
}

}  // namespace quillmoor
