#include "assets/sounds/loop_effects.h"

#include <array>
#include <cmath>
#include <vector>

#include "assets/sounds/filter.h"
#include "assets/sounds/loop_process.h"
#include "assets/sounds/mixing.h"

namespace quillmoor::assets::sounds {

namespace {

class DelayLine {
 public:
  explicit DelayLine(std::size_t length) : samples_(length, 0.0f) {}
  float Oldest() const { return samples_[position_]; }
  void Push(float in) {
    samples_[position_] = in;
    position_ = (position_ + 1) % samples_.size();
  }

 private:
  std::vector<float> samples_;
  std::size_t position_ = 0;
};

// A feedback comb with a damped (darkening) loop.
class Comb {
 public:
  Comb(std::size_t delay, float feedback, float damping)
      : line_(delay), feedback_(feedback), damping_(damping) {}
  float Process(float in) {
    const float out = line_.Oldest();
    damped_ = out * (1.0f - damping_) + damped_ * damping_;
    line_.Push(in + damped_ * feedback_);
    return out;
  }

 private:
  DelayLine line_;
  float feedback_, damping_;
  float damped_ = 0.0f;
};

class AllPass {
 public:
  explicit AllPass(std::size_t delay) : line_(delay) {}
  float Process(float in) {
    const float delayed = line_.Oldest();
    line_.Push(in + delayed * 0.5f);
    return delayed - in;
  }

 private:
  DelayLine line_;
};

// One side of the room: parallel combs into allpasses in series. The two
// sides differ by `spread` samples, which makes the room wide.
class RoomSide {
 public:
  explicit RoomSide(std::size_t spread)
      : combs_{Comb(558 + spread, 0.82f, 0.35f), Comb(594 + spread, 0.82f, 0.35f),
               Comb(638 + spread, 0.82f, 0.35f), Comb(678 + spread, 0.82f, 0.35f)},
        allpasses_{AllPass(278 + spread), AllPass(221 + spread)} {}
  float Process(float in) {
    float out = 0.0f;
    for (Comb& comb : combs_) out += comb.Process(in);
    for (AllPass& allpass : allpasses_) out = allpass.Process(out);
    return out;
  }

 private:
  std::array<Comb, 4> combs_;
  std::array<AllPass, 2> allpasses_;
};

double Rms(const Clip& clip) {
  double sum = 0.0;
  for (float s : clip.left) sum += static_cast<double>(s) * s;
  for (float s : clip.right) sum += static_cast<double>(s) * s;
  const std::size_t count = clip.left.size() + clip.right.size();
  return count == 0 ? 0.0 : std::sqrt(sum / static_cast<double>(count));
}

void AddScaled(Clip& loop, const Clip& effect, float wet) {
  const double effect_rms = Rms(effect);
  if (effect_rms == 0.0) return;
  MixLoops(loop, effect, static_cast<float>(wet * Rms(loop) / effect_rms));
}

float MidOf(const Clip& loop, std::size_t i) {
  return loop.stereo() ? 0.5f * (loop.left[i] + loop.right[i]) : loop.left[i];
}

}  // namespace

void AddLoopReverb(Clip& loop, float wet) {
  const std::size_t length = loop.left.size();
  Clip room{loop.sample_rate, std::vector<float>(length), std::vector<float>(length)};
  RoomSide left(0), right(13);
  TwiceAround(length, [&](std::size_t i, bool keep) {
    const float in = MidOf(loop, i);
    const float l = left.Process(in), r = right.Process(in);
    if (keep) {
      room.left[i] = l;
      room.right[i] = r;
    }
  });
  AddScaled(loop, room, wet);
}

void AddLoopEcho(Clip& loop, std::size_t delay, float feedback, float wet) {
  const std::size_t length = loop.left.size();
  Clip echo{loop.sample_rate, std::vector<float>(length), std::vector<float>(length)};
  DelayLine left(delay), right(delay);
  Filter darken(loop.sample_rate, 3500.0);
  TwiceAround(length, [&](std::size_t i, bool keep) {
    const float l = left.Oldest(), r = right.Oldest();
    left.Push(MidOf(loop, i) + darken.LowPass(r * feedback));
    right.Push(l * feedback);
    if (keep) {
      echo.left[i] = l;
      echo.right[i] = r;
    }
  });
  AddScaled(loop, echo, wet);
}

}  // namespace quillmoor::assets::sounds
