#include "assets/sounds/mixing.h"

#include <algorithm>
#include <cmath>

namespace quillmoor::assets::sounds {

void MixInto(std::vector<float>& mix, const std::vector<float>& sound, std::size_t at,
             float gain) {
  if (mix.size() < at + sound.size()) mix.resize(at + sound.size(), 0.0f);
  for (std::size_t i = 0; i < sound.size(); ++i) mix[at + i] += gain * sound[i];
}

void MixIntoLoop(Clip& loop, const std::vector<float>& sound, std::size_t at, float gain,
                 float pan) {
  const std::size_t length = loop.left.size();
  if (length == 0) return;
  const double angle = (static_cast<double>(pan) + 1.0) * 0.7853981633974483;
  const float left_gain = loop.stereo() ? gain * static_cast<float>(std::cos(angle)) : gain;
  const float right_gain = gain * static_cast<float>(std::sin(angle));
  for (std::size_t i = 0; i < sound.size(); ++i) {
    const std::size_t index = (at + i) % length;
    loop.left[index] += left_gain * sound[i];
    if (loop.stereo()) loop.right[index] += right_gain * sound[i];
  }
}

void MixLoops(Clip& into, const Clip& loop, float gain) {
  for (std::size_t i = 0; i < into.left.size(); ++i) {
    into.left[i] += gain * loop.left[i];
    if (into.stereo()) into.right[i] += gain * (loop.stereo() ? loop.right[i] : loop.left[i]);
  }
}

void NormalizePeak(Clip& clip, double peak_db) {
  float peak = 0.0f;
  for (float s : clip.left) peak = std::max(peak, std::fabs(s));
  for (float s : clip.right) peak = std::max(peak, std::fabs(s));
  if (peak == 0.0f) return;
  const float scale = static_cast<float>(std::pow(10.0, -peak_db / 20.0)) / peak;
  for (float& s : clip.left) s *= scale;
  for (float& s : clip.right) s *= scale;
}

Clip OneShot(std::vector<float> samples, int sample_rate, double peak_db) {
  const std::size_t fade = std::min(samples.size(), static_cast<std::size_t>(sample_rate / 200));
  for (std::size_t i = 0; i < fade; ++i) {
    samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
  }
  Clip clip{sample_rate, std::move(samples), {}};
  NormalizePeak(clip, peak_db);
  return clip;
}

}  // namespace quillmoor::assets::sounds
