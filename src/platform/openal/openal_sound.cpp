#include "platform/openal/openal_sound.h"

#include <AL/alext.h>

#include <algorithm>
#include <cmath>

#include "platform/fatal_error.h"
#include "platform/sdl/sdl_wave.h"

namespace quillmoor {

namespace {

// The game's space is left-handed, OpenAL's right-handed: z turns round.
void ToOpenAl(Vector3 v, ALfloat* out) {
  out[0] = v.x;
  out[1] = v.y;
  out[2] = -v.z;
}

}  // namespace

OpenAlSound::OpenAlSound(Output output, std::optional<std::string> device)
    : output_(output), deviceName_(std::move(device)) {}

OpenAlSound::~OpenAlSound() { Close(); }

bool OpenAlSound::Open() {
  if (device_) return true;
  const char* name = deviceName_ ? deviceName_->c_str() : nullptr;
  std::vector<ALCint> attributes;
  if (output_ == Output::Loopback) {
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    render_ = reinterpret_cast<RenderSamples>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!open || !render_) return false;
    device_ = open(name);
    attributes = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                  ALC_SHORT_SOFT, ALC_FREQUENCY, kLoopbackRate};
  } else {
    device_ = alcOpenDevice(name);
  }
  if (!device_) return false;
  // Plain stereo panning, the same on every machine.
  if (alcIsExtensionPresent(device_, "ALC_SOFT_HRTF")) {
    attributes.insert(attributes.end(), {ALC_HRTF_SOFT, ALC_FALSE});
  }
  attributes.push_back(0);
  context_ = alcCreateContext(device_, attributes.data());
  if (!context_ || !alcMakeContextCurrent(context_)) {
    Close();
    return false;
  }
  alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
  return true;
}

void OpenAlSound::Free(const Voice& voice) {
  alSourceStop(voice.source);
  alDeleteSources(1, &voice.source);
  alDeleteBuffers(1, &voice.buffer);
}

void OpenAlSound::Release(std::string_view file) {
  const auto found = voices_.find(file);
  if (found == voices_.end()) return;
  Free(found->second);
  voices_.erase(found);
}

void OpenAlSound::Close() {
  for (const auto& [name, voice] : voices_) Free(voice);
  voices_.clear();
  if (context_) {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    context_ = nullptr;
  }
  if (device_) {
    alcCloseDevice(device_);
    device_ = nullptr;
  }
}

void OpenAlSound::Load(std::string_view name, const std::filesystem::path& file,
                       SoundControl control) {
  if (!context_) return;
  const WaveResult wave = DecodeWave(file);
  if (!wave.sound) {
    throw FatalError("Невозможно загрузить звук " + file.string() + ": " + wave.error,
                     MessageIcon::Critical);
  }
  const PcmSound& pcm = *wave.sound;
  Voice voice;
  voice.rate = pcm.rate;
  alGenBuffers(1, &voice.buffer);
  alBufferData(voice.buffer, pcm.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16,
               pcm.samples.data(), ALsizei(pcm.samples.size() * 2), pcm.rate);
  alGenSources(1, &voice.source);
  alSourcei(voice.source, AL_BUFFER, ALint(voice.buffer));
  if (control == SoundControl::Positional) {
    // At the origin, fading twice as fast as in the real world.
    alSourcef(voice.source, AL_ROLLOFF_FACTOR, 2.0f);
    alSourcef(voice.source, AL_REFERENCE_DISTANCE, 1.0f);
    alSourcef(voice.source, AL_MAX_DISTANCE, 1e9f);
  } else {
    // Full level wherever the listener is.
    alSourcei(voice.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(voice.source, AL_ROLLOFF_FACTOR, 0.0f);
  }
  if (alGetError() != AL_NO_ERROR) {
    alDeleteSources(1, &voice.source);
    alDeleteBuffers(1, &voice.buffer);
    throw FatalError("Невозможно загрузить звук " + file.string() + '.', MessageIcon::Critical);
  }
  Release(name);
  voices_[std::string(name)] = voice;
}

void OpenAlSound::PlaceListener(Vector3 position, Vector3 front, Vector3 top) {
  if (!context_) return;
  ALfloat at[3], orientation[6];
  ToOpenAl(position, at);
  ToOpenAl(front, orientation);
  ToOpenAl(top, orientation + 3);
  alListenerfv(AL_POSITION, at);
  alListenerfv(AL_ORIENTATION, orientation);
}

OpenAlSound::Voice* OpenAlSound::Find(std::string_view name) {
  const auto found = voices_.find(name);
  return found == voices_.end() ? nullptr : &found->second;
}

void OpenAlSound::Play(std::string_view file, bool looping) {
  Voice* voice = Find(file);
  if (!voice) return;
  alSourcei(voice->source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
  ALint state = AL_INITIAL;
  alGetSourcei(voice->source, AL_SOURCE_STATE, &state);
  // Playing goes on; paused resumes where it stopped; ended starts over.
  if (state != AL_PLAYING) alSourcePlay(voice->source);
}

void OpenAlSound::Stop(std::string_view file) {
  Voice* voice = Find(file);
  if (!voice) return;
  ALint state = AL_INITIAL;
  alGetSourcei(voice->source, AL_SOURCE_STATE, &state);
  if (state == AL_PLAYING) alSourcePause(voice->source);
}

void OpenAlSound::Rewind(std::string_view file) {
  Voice* voice = Find(file);
  if (!voice) return;
  ALint state = AL_INITIAL;
  alGetSourcei(voice->source, AL_SOURCE_STATE, &state);
  if (state == AL_PLAYING) {
    alSourcei(voice->source, AL_SAMPLE_OFFSET, 0);
  } else {
    alSourceRewind(voice->source);
  }
}

void OpenAlSound::SetVolume(std::string_view file, std::int32_t volume) {
  Voice* voice = Find(file);
  if (!voice) return;
  // Hundredths of a decibel, -100 dB at the quietest.
  const double decibels = std::clamp(volume, -10000, 0) / 100.0;
  alSourcef(voice->source, AL_GAIN, ALfloat(std::pow(10.0, decibels / 20.0)));
}

void OpenAlSound::SetFrequency(std::string_view file, std::int32_t hertz) {
  Voice* voice = Find(file);
  if (!voice) return;
  // 0 is the file's own rate; otherwise 100 Hz to 200 kHz.
  const double rate = hertz == 0 ? voice->rate : std::clamp(hertz, 100, 200000);
  alSourcef(voice->source, AL_PITCH, ALfloat(rate / voice->rate));
}

void OpenAlSound::Render(std::span<std::int16_t> stereo) {
  if (!render_ || !device_) {
    std::fill(stereo.begin(), stereo.end(), std::int16_t(0));
    return;
  }
  render_(device_, stereo.data(), ALCsizei(stereo.size() / 2));
}

}  // namespace quillmoor
