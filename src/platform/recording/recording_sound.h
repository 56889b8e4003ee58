#pragma once

#include "platform/recording/call_log.h"
#include "platform/sound.h"

namespace quillmoor {

// Logs every sound request: "Sound.Play s-01.res once", "Sound.Volume s-ac.res -400".
class RecordingSound final : public Sound {
 public:
  explicit RecordingSound(CallLog& log) : log_(log) {}
  bool Open() override;
  void Load(std::string_view name, const std::filesystem::path& file,
            SoundControl control) override;
  void PlaceListener(Vector3 position, Vector3 front, Vector3 top) override;
  void Play(std::string_view file, bool looping) override;
  void Stop(std::string_view file) override;
  void Rewind(std::string_view file) override;
  void SetVolume(std::string_view file, std::int32_t volume) override;
  void SetFrequency(std::string_view file, std::int32_t hertz) override;
  void Release(std::string_view file) override;
  void Close() override;

  bool hasOutput = true;  // false: Open fails, as on a machine without sound

 private:
  CallLog& log_;
};

}  // namespace quillmoor
