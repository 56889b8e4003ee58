#pragma once

#include "platform/recording/call_log.h"
#include "platform/sound.h"

namespace quillmoor {

// Logs every sound request: "Sound.Play s-01.res once", "Sound.Volume s-ac.res -400".
class RecordingSound final : public Sound {
 public:
  explicit RecordingSound(CallLog& log) : log_(log) {}
  void Play(std::string_view file, bool looping) override;
  void Stop(std::string_view file) override;
  void Rewind(std::string_view file) override;
  void SetVolume(std::string_view file, std::int32_t volume) override;
  void SetFrequency(std::string_view file, std::int32_t hertz) override;

 private:
  CallLog& log_;
};

}  // namespace quillmoor
