#pragma once

#include <cstdint>
#include <string_view>

namespace quillmoor {

// The game's sounds, each named by its file in the Data folder.
class Sound {
 public:
  virtual ~Sound() = default;
  // Plays once or looping; a sound already playing goes on where it is.
  virtual void Play(std::string_view file, bool looping) = 0;
  // Stops and keeps the position: a later play resumes there.
  virtual void Stop(std::string_view file) = 0;
  virtual void Rewind(std::string_view file) = 0;
  // Hundredths of a decibel: 0 is full, negative is quieter.
  virtual void SetVolume(std::string_view file, std::int32_t volume) = 0;
  virtual void SetFrequency(std::string_view file, std::int32_t hertz) = 0;
};

// No sound at all.
class SilentSound final : public Sound {
 public:
  void Play(std::string_view, bool) override {}
  void Stop(std::string_view) override {}
  void Rewind(std::string_view) override {}
  void SetVolume(std::string_view, std::int32_t) override {}
  void SetFrequency(std::string_view, std::int32_t) override {}
};

}  // namespace quillmoor
