#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/matrix.h"

namespace quillmoor {

// What a loaded sound lets the game change besides playing it.
enum class SoundControl { Volume, Frequency, Positional };

// The game's sounds, each named by its file in the Data folder.
class Sound {
 public:
  virtual ~Sound() = default;
  // Opens the default output; false when there is none.
  virtual bool Open() = 0;
  // Loads a wave file under its name; one that cannot be read is a
  // FatalError naming it.
  virtual void Load(std::string_view name, const std::filesystem::path& file,
                    SoundControl control) = 0;
  // The listener of the positional sounds, in the game's left-handed space.
  virtual void PlaceListener(Vector3 position, Vector3 front, Vector3 top) = 0;

  // Plays once or looping; a sound already playing goes on where it is.
  virtual void Play(std::string_view file, bool looping) = 0;
  // Stops and keeps the position: a later play resumes there.
  virtual void Stop(std::string_view file) = 0;
  virtual void Rewind(std::string_view file) = 0;
  // Hundredths of a decibel: 0 is full, negative is quieter.
  virtual void SetVolume(std::string_view file, std::int32_t volume) = 0;
  virtual void SetFrequency(std::string_view file, std::int32_t hertz) = 0;

  // Lets a sound go, silencing it if it plays.
  virtual void Release(std::string_view file) = 0;
  // Lets the listener and the output go; every sound must be released first.
  virtual void Close() = 0;
};

// No sound at all.
class SilentSound final : public Sound {
 public:
  bool Open() override { return true; }
  void Load(std::string_view, const std::filesystem::path&, SoundControl) override {}
  void PlaceListener(Vector3, Vector3, Vector3) override {}
  void Play(std::string_view, bool) override {}
  void Stop(std::string_view) override {}
  void Rewind(std::string_view) override {}
  void SetVolume(std::string_view, std::int32_t) override {}
  void SetFrequency(std::string_view, std::int32_t) override {}
  void Release(std::string_view) override {}
  void Close() override {}
};

}  // namespace quillmoor
