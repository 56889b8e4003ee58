#include "platform/sdl/sdl_wave.h"

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/files.h"

namespace quillmoor {

namespace {

std::uint32_t Little32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
  return value;
}

bool IsRiffWave(std::string_view bytes) {
  return bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

// A chunk that claims more bytes than the file holds would have the reader
// allocate what the header says, up to 4 GiB: such a file is refused first.
bool ChunksFitTheFile(std::string_view bytes) {
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::uint64_t length = Little32(bytes, at + 4);
    if (length > bytes.size() - at - 8) return false;
    at += 8 + length + (length & 1);
  }
  return true;
}

// Reads and closes the stream.
WaveResult Decode(SDL_RWops* stream) {
  if (!stream) return {std::nullopt, SDL_GetError()};
  SDL_AudioSpec audio;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(stream, 1, &audio, &data, &length)) return {std::nullopt, SDL_GetError()};
  const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(data, &SDL_FreeWAV);
  if (audio.channels < 1 || audio.channels > 2 || audio.freq <= 0) {
    return {std::nullopt, "звук должен быть моно или стерео"};
  }
  if (!data || length == 0) return {std::nullopt, "в файле нет звука"};

  // Everything becomes signed 16-bit at the file's own rate.
  SDL_AudioCVT convert;
  if (SDL_BuildAudioCVT(&convert, audio.format, audio.channels, audio.freq, AUDIO_S16SYS,
                        audio.channels, audio.freq) < 0) {
    return {std::nullopt, SDL_GetError()};
  }
  // Converted in a copy of its own; samples already in the form are taken
  // as they are.
  std::vector<Uint8> buffer;
  const Uint8* converted = data;
  std::size_t bytes = length;
  if (convert.needed) {
    buffer.resize(std::size_t(length) * std::size_t(std::max(convert.len_mult, 1)));
    std::memcpy(buffer.data(), data, length);
    convert.buf = buffer.data();
    convert.len = int(length);
    if (SDL_ConvertAudio(&convert) < 0) return {std::nullopt, SDL_GetError()};
    converted = buffer.data();
    bytes = std::size_t(convert.len_cvt);
  }

  PcmSound sound;
  sound.channels = audio.channels;
  sound.rate = audio.freq;
  // Whole frames only.
  const std::size_t frameBytes = 2 * std::size_t(audio.channels);
  sound.samples.resize(bytes / frameBytes * audio.channels);
  if (sound.samples.empty()) return {std::nullopt, "в файле нет звука"};
  std::memcpy(sound.samples.data(), converted, sound.samples.size() * 2);
  return {std::move(sound), ""};
}

}  // namespace

WaveResult DecodeWave(const std::filesystem::path& file) {
  const FileBytes read = ReadFileOrSayWhy(file, "файл не найден");
  if (!read.bytes) return {std::nullopt, read.problem};
  return DecodeWaveBytes(*read.bytes);
}

WaveResult DecodeWaveBytes(std::string_view bytes) {
  if (bytes.size() > std::size_t(INT32_MAX)) return {std::nullopt, "файл слишком велик"};
  if (!IsRiffWave(bytes)) return {std::nullopt, "это не файл WAV"};
  if (!ChunksFitTheFile(bytes)) return {std::nullopt, "файл короче, чем сказано в его заголовке"};
  return Decode(SDL_RWFromConstMem(bytes.data(), int(bytes.size())));
}

}  // namespace quillmoor
