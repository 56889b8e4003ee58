// The OpenAL sound backend, heard through its loopback output.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "platform/fatal_error.h"
#include "platform/openal/openal_sound.h"
#include "platform/wave_writer.h"
#include "support/driver_leaks.h"
#include "support/signal_measure.h"
#include "support/skip_outside_ci.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

constexpr int kRate = 22050;

// A mono file of `seconds`, each sample from the wave at time t.
std::string Tone(double seconds, const std::function<double(double)>& wave) {
  const int frames = int(seconds * kRate);
  std::string bytes = WaveHeader(1, kRate, std::uint32_t(frames * 2));
  for (int i = 0; i < frames; ++i) {
    AppendSample(bytes, std::int16_t(std::lround(wave(double(i) / kRate) * 30000)));
  }
  return bytes;
}

double Sine(double hertz, double t) { return std::sin(2 * std::numbers::pi * hertz * t); }

class OpenAlSoundTest : public testing::Test {
 protected:
  void SetUp() override {
    test::PauseLeakChecks();
    if (!sound_.Open()) QUILLMOOR_SKIP_OUTSIDE_CI("no OpenAL loopback output");
    // 441 Hz whose loudness grows from 0 to full over its second: the level
    // says how far into the sound the mix is.
    Load("ramp", Tone(1.0, [](double t) { return t * Sine(441, t); }));
    Load("tone", Tone(1.0, [](double t) { return Sine(441, t); }));
  }
  void TearDown() override { test::ResumeLeakChecks(); }
  void Load(const std::string& name, const std::string& bytes) {
    sound_.Load(name, dir_.Write(name + ".wav", bytes), SoundControl::Frequency);
  }

  // The next `seconds` of the mix, left channel.
  std::vector<double> Hear(double seconds) {
    std::vector<std::int16_t> stereo(std::size_t(seconds * OpenAlSound::kLoopbackRate) * 2);
    sound_.Render(stereo);
    std::vector<double> left;
    for (std::size_t i = 0; i < stereo.size(); i += 2) left.push_back(stereo[i] / 32768.0);
    return left;
  }

  test::TempDir dir_;
  OpenAlSound sound_{OpenAlSound::Output::Loopback};
};

TEST_F(OpenAlSoundTest, PlayingAgainGoesOnStopPausesRewindStartsOver) {
  sound_.Play("ramp", false);
  Hear(0.4);
  const double early = test::Level(Hear(0.05));  // 0.40 s to 0.45 s in
  EXPECT_GT(early, 0.05);

  // A second play of a playing sound does not restart it.
  sound_.Play("ramp", false);
  const double goingOn = test::Level(Hear(0.05));  // 0.45 s to 0.50 s
  EXPECT_GT(goingOn, early);

  // Stop keeps the place: silence, then play resumes there.
  sound_.Stop("ramp");
  Hear(0.02);  // the mixer fades it out
  EXPECT_LT(test::Level(Hear(0.2)), 1e-4);
  sound_.Play("ramp", false);
  EXPECT_GT(test::Level(Hear(0.05)), goingOn);  // 0.50 s to 0.55 s

  // Rewind goes back to the quiet start, playing or not.
  sound_.Rewind("ramp");
  EXPECT_LT(test::Level(Hear(0.05)), early / 4);
  sound_.Stop("ramp");
  sound_.Rewind("ramp");
  sound_.Play("ramp", false);
  EXPECT_LT(test::Level(Hear(0.05)), early / 4);
}

TEST_F(OpenAlSoundTest, ASoundThatEndedPlaysFromTheStartAndALoopGoesRound) {
  Load("short", Tone(0.1, [](double t) { return Sine(441, t); }));
  for (int round = 0; round < 2; ++round) {
    sound_.Play("short", false);
    EXPECT_GT(test::Level(Hear(0.05)), 0.1) << round;
    Hear(0.1);
    EXPECT_LT(test::Level(Hear(0.05)), 1e-4) << round;
  }

  sound_.Play("short", true);
  Hear(0.45);
  EXPECT_GT(test::Level(Hear(0.05)), 0.1);
}

TEST_F(OpenAlSoundTest, VolumeIsInHundredthsOfADecibel) {
  sound_.Play("tone", true);
  const double full = test::Level(Hear(0.2));
  ASSERT_GT(full, 0.1);
  sound_.SetVolume("tone", -400);
  Hear(0.05);  // the gain settles
  EXPECT_NEAR(test::Level(Hear(0.2)) / full, std::pow(10.0, -0.2), 0.02);
  sound_.SetVolume("tone", -10000);
  Hear(0.05);
  EXPECT_LT(test::Level(Hear(0.2)), full / 1000);
}

TEST_F(OpenAlSoundTest, FrequencySetsThePitchInHertz) {
  sound_.Play("tone", true);
  EXPECT_NEAR(test::Crossings(Hear(0.5), 0.02), 441, 4);
  sound_.SetFrequency("tone", kRate * 2);
  Hear(0.05);
  EXPECT_NEAR(test::Crossings(Hear(0.5), 0.02), 2 * 441, 8);
  sound_.SetFrequency("tone", 0);  // the file's own rate
  Hear(0.05);
  EXPECT_NEAR(test::Crossings(Hear(0.5), 0.02), 441, 4);
}

TEST_F(OpenAlSoundTest, AFileThatCannotBeReadIsAnErrorNamingIt) {
  const auto file = dir_.path() / "s-s1.res";
  const auto load = [&] { sound_.Load("s-s1.res", file, SoundControl::Frequency); };
  EXPECT_THAT(load, testing::ThrowsMessage<FatalError>(testing::HasSubstr(file.string())));
  dir_.Write("s-s1.res", "RIFF\x10\0\0\0WAVEfmt nonsense");
  EXPECT_THROW(load(), FatalError);
  // A data chunk claiming 4 GiB in a short file is refused, not allocated.
  std::string huge = Tone(0.01, [](double t) { return Sine(441, t); });
  dir_.Write("s-s1.res", huge.replace(40, 4, "\xF0\xFF\xFF\xFF"));
  EXPECT_THROW(load(), FatalError);
  // The sounds loaded before still play.
  sound_.Play("tone", false);
  EXPECT_GT(test::Level(Hear(0.05)), 0.1);
}

TEST(OpenAlOutput, AMissingDeviceIsReportedNotFatal) {
  test::PauseLeakChecks();
  OpenAlSound sound(OpenAlSound::Output::Device, "no such output");
  EXPECT_FALSE(sound.Open());
  // Requests on a sound that never opened do nothing.
  sound.Play("s-01.res", false);
  sound.SetVolume("s-01.res", -400);
  test::ResumeLeakChecks();
}

}  // namespace
}  // namespace quillmoor
