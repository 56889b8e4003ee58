#include "platform/sdl/sdl_wave.h"

#include <SDL.h>

#include <cstring>
#include <memory>

namespace quillmoor {

namespace {

// Reads and closes the stream.
WaveResult Decode(SDL_RWops* stream) {
  if (!stream) return {std::nullopt, SDL_GetError()};
  SDL_AudioSpec spec;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(stream, 1, &spec, &data, &length)) return {std::nullopt, SDL_GetError()};
  const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(data, &SDL_FreeWAV);
  if (spec.channels < 1 || spec.channels > 2 || spec.freq <= 0) {
    return {std::nullopt, "only mono and stereo sounds are supported"};
  }

  // Everything becomes signed 16-bit at the file's own rate.
  SDL_AudioCVT convert;
  if (SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                        spec.channels, spec.freq) < 0) {
    return {std::nullopt, SDL_GetError()};
  }
  std::vector<Uint8> buffer(std::size_t(length) * std::size_t(std::max(convert.len_mult, 1)));
  std::memcpy(buffer.data(), data, length);
  convert.buf = buffer.data();
  convert.len = int(length);
  if (convert.needed && SDL_ConvertAudio(&convert) < 0) return {std::nullopt, SDL_GetError()};
  const std::size_t bytes = convert.needed ? std::size_t(convert.len_cvt) : length;

  PcmSound sound;
  sound.channels = spec.channels;
  sound.rate = spec.freq;
  // Whole frames only.
  const std::size_t frameBytes = 2 * std::size_t(spec.channels);
  sound.samples.resize(bytes / frameBytes * spec.channels);
  std::memcpy(sound.samples.data(), buffer.data(), sound.samples.size() * 2);
  return {std::move(sound), ""};
}

}  // namespace

WaveResult DecodeWave(const std::filesystem::path& file) {
  return Decode(SDL_RWFromFile(file.c_str(), "rb"));
}

WaveResult DecodeWaveBytes(std::string_view bytes) {
  return Decode(SDL_RWFromConstMem(bytes.data(), int(bytes.size())));
}

}  // namespace quillmoor
