// The game's sound as a headless run mixes it (--audio-out), tick by tick.

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/data_set.h"
#include "support/run_program.h"
#include "support/signal_measure.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

constexpr int kFramesPerTick = 882;  // 20 ms at 44100 Hz

// The left channel of a 16-bit stereo wave file, as written by --audio-out.
class Mix {
 public:
  explicit Mix(const std::string& bytes) {
    for (std::size_t i = 44; i + 3 < bytes.size(); i += 4) {
      const auto low = std::uint8_t(bytes[i]), high = std::uint8_t(bytes[i + 1]);
      left_.push_back(std::int16_t(low | (high << 8)) / 32768.0);
    }
  }

  std::int64_t Ticks() const { return std::int64_t(left_.size()) / kFramesPerTick; }

  // Root mean square over ticks [from, to).
  double Level(int from, int to) const { return test::Level(Ticks(from, to)); }
  // Sign changes over ticks [from, to), ignoring noise about zero.
  int Crossings(int from, int to) const { return test::Crossings(Ticks(from, to), 0.01); }

 private:
  std::span<const double> Ticks(int from, int to) const {
    return std::span(left_).subspan(Start(from), Start(to) - Start(from));
  }
  // Tick n's sound is the 20 ms after it.
  static std::size_t Start(int tick) { return std::size_t(tick - 1) * kFramesPerTick; }
  std::vector<double> left_;
};

constexpr double kSilence = 1e-4;

class SoundRun : public testing::Test {
 protected:
  SoundRun() { test::WriteDataSet(dir_); }

  void Configure(int musicOn) {
    dir_.Write("Data/Config.ini", "1\r\n5002\r\n192.168.0.1\r\n0\r\n" + std::to_string(musicOn) +
                                      "\r\n0\r\n");
  }

  test::ProgramResult Run(const std::string& script, int ticks) {
    return test::RunProgram(QUILLMOOR_BINARY,
                            {"--headless", "--data", (dir_.path() / "Data").string(), "--script",
                             dir_.Write("s.script", script).string(), "--frame-every", "1000",
                             "--ticks", std::to_string(ticks), "--audio-out", Out()});
  }

  std::string Out() const { return (dir_.path() / "mix.wav").string(); }

  test::TempDir dir_;
};

TEST_F(SoundRun, MenuMusicStartsWhenTheIntroEnds) {
  Configure(1);
  const test::ProgramResult run = Run("100 click 400 300\n", 200);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Mix mix(test::ReadAll(Out()));
  ASSERT_EQ(mix.Ticks(), 200);
  EXPECT_LT(mix.Level(1, 100), kSilence);
  EXPECT_GT(mix.Level(110, 200), 0.02);
}

TEST_F(SoundRun, WithoutMusicTheMenuHasOnlyItsButtonSounds) {
  Configure(0);
  const test::ProgramResult run =
      Run("100 click 400 300\n150 move 100 225\n171 click 100 300\n", 200);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Mix mix(test::ReadAll(Out()));
  EXPECT_LT(mix.Level(1, 150), kSilence);
  EXPECT_GT(mix.Level(150, 155), 0.01);  // the pointer enters Новая Игра
  EXPECT_LT(mix.Level(160, 171), kSilence);
  EXPECT_GT(mix.Level(171, 175), 0.01);  // Авторы chosen
  EXPECT_LT(mix.Level(185, 200), kSilence);
}

TEST_F(SoundRun, TheEnginePitchClimbsWithTheSpeed) {
  Configure(0);
  // A race on an empty track: idle a while, then full throttle.
  const test::ProgramResult run =
      Run("1 click 400 300\n2 click 100 225\n600 down W\n", 1500);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Mix mix(test::ReadAll(Out()));
  const int idle = mix.Crossings(500, 550), fast = mix.Crossings(1450, 1500);
  EXPECT_GT(mix.Level(500, 550), 0.01);
  EXPECT_GT(idle, 0);
  EXPECT_GT(fast, 5 * idle / 2) << "idle " << idle << ", fast " << fast;
}

TEST_F(SoundRun, AMissingSoundFileIsNamedAndEndsTheStart) {
  std::filesystem::remove(dir_.path() / "Data" / "s-s1.res");
  const test::ProgramResult run = Run("", 10);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("s-s1.res"), std::string::npos) << run.err;
}

TEST_F(SoundRun, AnUnwritableMixFileIsAClearError) {
  const test::ProgramResult run = test::RunProgram(
      QUILLMOOR_BINARY, {"--headless", "--data", (dir_.path() / "Data").string(), "--ticks", "5",
                         "--audio-out", (dir_.path() / "no" / "mix.wav").string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("mix.wav"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quillmoor
