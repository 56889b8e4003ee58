#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "platform/sound.h"

namespace quillmoor {

// The game's sounds through OpenAL Soft, with the buffer semantics the game
// relies on: a play of a playing sound goes on, stop pauses, rewind goes
// back to the start. Each sound has one buffer and one source.
//
// On the loopback output nothing reaches a sound card: the mix is rendered
// on request, 44100 stereo 16-bit frames a second, so a headless run can be
// heard in step with its clock.
class OpenAlSound final : public Sound {
 public:
  enum class Output { Device, Loopback };
  static constexpr int kLoopbackRate = 44100;

  // `device`: the output's name; none for the default one.
  explicit OpenAlSound(Output output, std::optional<std::string> device = std::nullopt);
  ~OpenAlSound() override;
  OpenAlSound(const OpenAlSound&) = delete;
  OpenAlSound& operator=(const OpenAlSound&) = delete;

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

  // Loopback only: the next frames of the mix, left and right interleaved.
  void Render(std::span<std::int16_t> stereo);

 private:
  struct Voice {
    ALuint buffer = 0, source = 0;
    int rate = 0;  // the file's own frames a second
  };
  Voice* Find(std::string_view name);
  static void Free(const Voice& voice);

  Output output_;
  std::optional<std::string> deviceName_;
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  using RenderSamples = void (*)(ALCdevice*, ALCvoid*, ALCsizei);
  RenderSamples render_ = nullptr;
  std::map<std::string, Voice, std::less<>> voices_;
};

}  // namespace quillmoor
