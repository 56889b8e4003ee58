// The real program, headless: errors, scripted races, pictures and sound.
// Pictures stay in the build folder; regions checked cannot pass by accident.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stb_image.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <span>

#include "besttimes/best_times_file.h"
#include "besttimes/table_journal.h"
#include "support/data_set.h"
#include "support/run_program.h"
#include "support/signal_measure.h"
#include "support/skip_outside_ci.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Intro, Новая Игра, full throttle from the start.
const std::string kFullThrottle = "1 click 400 300\n2 move 100 225\n3 click 100 225\n3 down W\n";
// The race ends by itself at tick 7103: the name typed, the records page closed, Выход.
const std::string kRace = kFullThrottle +
    "7110 down Backspace\n7110 down Backspace\n7110 down Backspace\n"
    "7111 type Ёж 7\n7112 down Return\n7113 up Return\n"
    "7114 click 400 300\n7120 move 100 330\n7121 click 100 330\n";

using Rgb = std::array<int, 3>;

bool Near(Rgb a, Rgb b, int tolerance) {
  for (int c = 0; c < 3; ++c) if (std::abs(a[c] - b[c]) > tolerance) return false;
  return true;
}

const Rgb kWhite = {255, 255, 255}, kHighlight = {255, 255, 180};

// An 800 x 600 picture, empty when the file is not one.
class Picture {
 public:
  explicit Picture(const std::string& file) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load(file.c_str(), &width, &height, &channels, 3);
    if (pixels && width == 800 && height == 600) pixels_.assign(pixels, pixels + 800 * 600 * 3);
    stbi_image_free(pixels);
  }

  bool Loaded() const { return !pixels_.empty(); }
  Rgb At(int x, int y) const {
    const stbi_uc* p = &pixels_[(std::size_t(y) * 800 + x) * 3];
    return {p[0], p[1], p[2]};
  }
  // Pixels in [x0, x1) x [y0, y1) that pass the test.
  int Count(int x0, int y0, int x1, int y1, const std::function<bool(Rgb)>& test) const {
    int count = 0;
    for (int y = y0; y < y1; ++y) for (int x = x0; x < x1; ++x) count += test(At(x, y));
    return count;
  }
  int Count(int x0, int y0, int x1, int y1, Rgb colour, int tolerance) const {
    return Count(x0, y0, x1, y1, [&](Rgb p) { return Near(p, colour, tolerance); });
  }

 private:
  std::vector<stbi_uc> pixels_;
};

constexpr int kFramesPerTick = 882;  // 20 ms at 44100 Hz
constexpr double kSilence = 1e-4;

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
  double Level(int from, int to) const { return test::Level(Ticks(from, to)); }
  int Crossings(int from, int to) const { return test::Crossings(Ticks(from, to), 0.01); }

 private:
  // Tick n's sound is the 20 ms after it.
  std::span<const double> Ticks(int from, int to) const {
    return std::span(left_).subspan(std::size_t(from - 1) * kFramesPerTick, std::size_t(to - from) * kFramesPerTick);
  }
  std::vector<double> left_;
};

class HeadlessRun : public ::testing::Test {
 protected:
  HeadlessRun() { test::WriteDataSet(dir_); }

  std::string Path(std::string_view name) const { return (dir_.path() / name).string(); }
  std::string File(std::string_view name) const { return test::ReadAll(dir_.path() / name); }

  test::ProgramResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--headless", "--data", Path("Data")});
    return test::RunProgram(QUILLMOOR_BINARY, args);
  }
  test::ProgramResult RunScript(std::string_view script, std::vector<std::string> args) {
    const std::vector<std::string> head = ScriptArgs(script);
    args.insert(args.begin(), head.begin(), head.end());
    return Run(args);
  }

  static std::string Shot(const std::string& name) {
    return std::string(QUILLMOOR_SCREENSHOT_DIR) + "/" + name + ".png";
  }
  void Shoot(std::string_view script, int ticks,
             const std::vector<std::pair<int, std::string>>& shots) {
    std::filesystem::create_directories(QUILLMOOR_SCREENSHOT_DIR);
    std::vector<std::string> args = {"--ticks", std::to_string(ticks)};
    for (const auto& [tick, name] : shots)
      args.insert(args.end(), {"--screenshot", std::to_string(tick) + ":" + Shot(name)});
    const test::ProgramResult run = RunScript(script, args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }

  // Replays the script on a fresh data set; the trace must match.
  void ExpectReplay(std::vector<std::string> args, const std::string& trace) {
    test::WriteDataSet(dir_);
    args.insert(args.end(), {"--trace", Path("replayed.csv")});
    const test::ProgramResult replay = Run(args);
    ASSERT_EQ(replay.exitCode, 0) << replay.err;
    EXPECT_EQ(File("replayed.csv"), trace);
  }
  std::vector<std::string> ScriptArgs(std::string_view script) {
    return {"--script", dir_.Write("run.script", script).string(), "--frame-every", "1000"};
  }

  // Runs with music on or off and returns the mix.
  Mix Play(int musicOn, std::string_view script, int ticks) {
    dir_.Write("Data/Config.ini", "1\r\n5002\r\n192.168.0.1\r\n0\r\n" + std::to_string(musicOn) +
                                      "\r\n0\r\n");
    const test::ProgramResult run =
        RunScript(script, {"--ticks", std::to_string(ticks), "--audio-out", Path("mix.wav")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Mix(File("mix.wav"));
  }

  test::TempDir dir_;
};

using Screenshots = HeadlessRun;
using SoundRun = HeadlessRun;

TEST_F(HeadlessRun, StartErrorsGoToStandardErrorWithStatusOne) {
  // An unwritable mix file, then a missing sound file.
  for (const auto& [out, named] : {std::pair{"no/mix.wav", "mix.wav"}, {"mix.wav", "s-s1.res"}}) {
    if (std::string_view(named) == "s-s1.res") std::filesystem::remove(dir_.path() / "Data/s-s1.res");
    const test::ProgramResult run = Run({"--ticks", "10", "--audio-out", Path(out)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr(named));
  }
  std::filesystem::remove_all(dir_.path() / "Data");
  const test::ProgramResult run = Run({"--ticks", "1"});
  EXPECT_EQ(std::tie(run.exitCode, run.err, run.out),
            std::tuple(1, "Не найдена рабочая директория\n", ""));

  dir_.Write("Data/map.res", "0");
  for (const auto& [config, message] : std::vector<std::pair<std::string, std::string>>{
           {"1\r\nfive thousand\r\n", "Config.ini, строка 2: «five thousand»"},
           {std::string(1 << 20, '1'), "Config.ini больше 64 КиБ и не прочитан."}}) {
    dir_.Write("Data/Config.ini", config);
    const test::ProgramResult bad = Run({"--ticks", "1"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_THAT(bad.err, HasSubstr(message));
  }
}

// A tiny file asking for gigabytes: the memory cap stops it at once.
TEST_F(HeadlessRun, AModelAskingForHugeMemoryFailsFastNamingTheFile) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's shadow memory passes any memory cap";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "the address sanitizer's shadow memory passes any memory cap";
#endif
#endif
  // Data set models link to the build's: unlink first.
  std::filesystem::remove(dir_.path() / "Data/truba.X");
  dir_.Write("Data/truba.X", "xof 0303txt 0032\nMesh m {\n 400000000;\n 0.0;0.0;0.0;,\n");
  const test::ProgramResult run = Run({"--ticks", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err, HasSubstr("truba.X не прочитана: разбор не принял его: std::bad_alloc"));
  EXPECT_THAT(run.err, HasSubstr("Невозможно инициалтзировать буфер вершин.3"));
}

// A bad controls line is named and the game goes on.
TEST_F(HeadlessRun, UsageAndScriptErrorsEndWithStatusTwoABadControlsLineWithZero) {
  dir_.Write("user/quillmoor.ini", "accelerate = W\nbrake = Hyper\n");
  for (const auto& [run, status, message] :
       {std::tuple{Run({"--ticks", "many"}), 2, "Usage: quillmoor"},
        {RunScript("1 click 1 2\n2 jump\n", {"--ticks", "10"}), 2, "script line 2"},
        {Run({"--ticks", "2", "--user-dir", Path("user")}), 0,
         "quillmoor.ini, строка 2: «brake = Hyper»"}}) {
    EXPECT_EQ(run.exitCode, status) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
  }
  const test::ProgramResult help = test::RunProgram(QUILLMOOR_BINARY, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("--screenshot TICK:FILE"));
}

TEST_F(HeadlessRun, ARecordRaceSavesTheTableAndReplaysToTheSameTrace) {
  const test::ProgramResult run =
      RunScript(kRace, {"--trace", Path("trace.csv"), "--record", Path("session.script")});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const std::string trace = File("trace.csv");
  // Exit closes the game 20 menu ticks after the click.
  EXPECT_THAT(trace, AllOf(StartsWith("tick,GameState,CameraMode,Speed,Distance,RaceTime,"),
                           HasSubstr("\n7140,4,"), Not(HasSubstr("\n7141,"))));
  // The network link stays closed all the way: every row ends with its text.
  std::size_t rows = 0, closed = 0;
  for (std::size_t end = 0; (end = trace.find('\n', end + 1)) != std::string::npos; ++rows)
    closed += std::string_view(trace).substr(0, end).ends_with(",Порт закрыт");
  EXPECT_EQ(closed, rows - 1);  // all but the header

  const NameRows names = DecodeNames(File("Data/Ch1.res"), "Ch1.res").value();
  const TimeRows times = DecodeTimes(File("Data/Ch2.res"), "Ch2.res").value();
  EXPECT_EQ(names, (NameRows{"", "Ёж 7", "Bo", "Вий", "Dee"}));
  EXPECT_EQ((std::vector<float>{times[2], times[3], times[4]}), (std::vector<float>{165, 180, 200}));
  ExpectReplay(ScriptArgs(File("session.script")), trace);
}

TEST_F(HeadlessRun, RestartAndFocusLossPlayOutAndReplay) {
  const test::ProgramResult run = RunScript(
      kFullThrottle + "400 down R\n401 up R\n"  // again from the line
      "600 focus lost\n",
      {"--ticks", "700", "--trace", Path("trace.csv"), "--record", Path("session.script")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string trace = File("trace.csv");
  // Racing at once, 0.001 on after one tick; paused on the tick after the focus went.
  EXPECT_THAT(trace, AllOf(HasSubstr("\n400,2,2,0.00100000005,0.00100000005,"), HasSubstr("\n600,4,")));
  const std::string session = File("session.script");
  EXPECT_THAT(session, AllOf(HasSubstr("400 down R\n"), HasSubstr("600 focus lost\n")));
  std::vector<std::string> args = ScriptArgs(session);
  args.insert(args.end(), {"--ticks", "700"});
  ExpectReplay(args, trace);
}

TEST_F(HeadlessRun, AFrameDrawnOnATickIsTheSameAtAnyFrameRate) {
  std::vector<std::string> shots;
  for (const std::vector<std::string>& rate :
       {std::vector<std::string>{}, {"--fps", "50"}, {"--fps", "100", "--frame-trace",
                                                      Path("frames.csv")}}) {
    std::vector<std::string> args = {"--ticks", "150", "--screenshot", "150:" + Path("shot.png")};
    args.insert(args.end(), rate.begin(), rate.end());
    const test::ProgramResult run = RunScript(kFullThrottle, args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    shots.push_back(File("shot.png"));
  }
  EXPECT_FALSE(shots[0].empty());
  EXPECT_THAT(shots, ::testing::Each(shots[0]));
  // At 100 frames a second every other frame falls halfway between ticks.
  EXPECT_THAT(File("frames.csv"), AllOf(HasSubstr("\n299,3000,150,0,"), HasSubstr("\n298,2990,149,0.5,")));
}

TEST_F(HeadlessRun, TheNextStartFinishesASaveCutShortAndClearsItsLeftovers) {
  const std::string names = *EncodeNames({"", "Новый", "Bo", "Вий", "Dee"});
  const std::string times = *EncodeTimes({0, 99, 165, 180, 200});
  dir_.Write("Data/.quillmoor-best-times.journal", JournalBytes(names, times));
  dir_.Write("Data/.Ch2.res.k3Xq9Z", "half a file");
  const test::ProgramResult run = Run({"--ticks", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(std::pair(File("Data/Ch1.res"), File("Data/Ch2.res")), std::pair(names, times));
  for (const char* leftover : {"Data/.quillmoor-best-times.journal", "Data/.Ch2.res.k3Xq9Z"})
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / leftover)) << leftover;
}

TEST_F(HeadlessRun, QuitEndsTheRunBeforeItsTick) {
  const test::ProgramResult run =
      RunScript("5 quit\n", {"--ticks", "100", "--trace", Path("t.csv")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_THAT(File("t.csv"), AllOf(HasSubstr("\n4,4,2,"), Not(HasSubstr("\n5,"))));
}

// A session recorded in a real window replays headless to the same ticks.
TEST_F(HeadlessRun, ARealWindowedSessionReplaysToTheSameTrace) {
  if (std::system("command -v xvfb-run >/dev/null && command -v xdotool >/dev/null") != 0) {
    QUILLMOOR_SKIP_OUTSIDE_CI("needs xvfb-run and xdotool");
  }
  const test::ProgramResult session = test::RunProgram(
      "/usr/bin/env", {"xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
                       QUILLMOOR_SOURCE_DIR "/tests/shell/data/windowed_session.sh",
                       QUILLMOOR_BINARY, Path("Data"), Path("session.txt"), Path("windowed.csv")});
  ASSERT_EQ(session.exitCode, 0) << session.err;
  ExpectReplay({"--script", Path("session.txt"), "--ticks", "5000", "--frame-every", "100"},
               File("windowed.csv"));
  // The keys at W's and D's places, as the game's keys, and the close.
  EXPECT_THAT(File("session.txt"),
              AllOf(HasSubstr(" click "), HasSubstr(" down W\n"), HasSubstr(" down D\n"), HasSubstr(" quit\n")));
}

TEST_F(Screenshots, IntroMenuAndPages) {
  Shoot("301 move 100 260\n"                     // over Рекорды
        "320 move 100 225\n320 click 100 300\n"  // Авторы: the credits
        "330 click 400 300\n"                    // closes them
        "340 click 100 265\n",                   // Рекорды: the table
        350, {{50, "intro"}, {310, "menu"}, {325, "credits"}, {345, "best_times"}});
  const Picture intro(Shot("intro")), menu(Shot("menu"));
  const Picture credits(Shot("credits")), table(Shot("best_times"));
  ASSERT_TRUE(intro.Loaded() && menu.Loaded() && credits.Loaded() && table.Loaded());

  // The version text, white, at the bottom right; the intro image elsewhere.
  EXPECT_GT(intro.Count(708, 548, 760, 570, kWhite, 40), 20);
  EXPECT_EQ(intro.Count(0, 0, 800, 600, {150, 190, 255}, 2), 0);
  // "Новая Игра" white, "Рекорды" under the pointer, at their rows.
  EXPECT_GT(menu.Count(78, 218, 175, 242, kWhite, 30), 30);
  EXPECT_GT(menu.Count(78, 253, 175, 277, kHighlight, 30), 30);
  EXPECT_EQ(menu.Count(78, 253, 175, 277, kWhite, 10), 0);
  // The table's first row where the menu had nothing; the item list gone.
  EXPECT_GT(table.Count(198, 280, 292, 300, kWhite, 30), 30);
  EXPECT_LT(menu.Count(198, 280, 292, 300, kWhite, 30), 5);
  EXPECT_LT(table.Count(78, 218, 175, 242, kWhite, 30), 5);
  EXPECT_LT(credits.Count(78, 218, 175, 242, kWhite, 30), 5);
}

TEST_F(Screenshots, ARaceItsNeedleAndProgressAndWithBlurAndOverlay) {
  Shoot("1 click 400 300\n2 click 100 225\n200 down W\n", 2300,
      {{150, "race_start"}, {1200, "race_mid"}, {2300, "race_fast"}});
  const Picture start(Shot("race_start")), mid(Shot("race_mid")), fast(Shot("race_fast"));
  ASSERT_TRUE(start.Loaded() && mid.Loaded() && fast.Loaded());
  // The race clock's text, white, near the top left.
  EXPECT_GT(mid.Count(28, 36, 120, 56, kWhite, 40), 20);
  // The needle turns with the speed: the dial's pixels change.
  int changed = 0;
  for (int y = 380; y < 560; ++y) {
    for (int x = 10; x < 190; ++x) changed += !Near(start.At(x, y), fast.At(x, y), 40);
  }
  EXPECT_GT(changed, 200);
  // The progress fill grows along the bar at the bottom left.
  const auto filled = [](const Picture& p) {
    return p.Count(10, 568, 190, 588, [](Rgb c) { return c[0] + c[1] + c[2] > 450; });
  };
  EXPECT_GT(filled(fast), filled(start));

  // With the speed blur and the overlay: drawn without a GL error.
  dir_.Write("Data/Config.ini", "1\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n1\r\n");
  Shoot("1 click 400 300\n2 click 100 225\n150 down W\n", 1500, {{1500, "race_blurred"}});
  const Picture blurred(Shot("race_blurred"));
  ASSERT_TRUE(blurred.Loaded());
  EXPECT_GT(blurred.Count(28, 36, 120, 56, kWhite, 60), 10);
}

TEST_F(SoundRun, MenuMusicStartsWhenTheIntroEndsAndWithoutItOnlyTheButtonsSound) {
  const Mix mix = Play(1, "100 click 400 300\n", 200);
  ASSERT_EQ(mix.Ticks(), 200);
  EXPECT_LT(mix.Level(1, 100), kSilence);
  EXPECT_GT(mix.Level(110, 200), 0.02);

  // Without music the menu has only its button sounds.
  const Mix buttons = Play(0, "100 click 400 300\n150 move 100 225\n171 click 100 300\n", 200);
  ASSERT_EQ(buttons.Ticks(), 200);
  EXPECT_LT(buttons.Level(1, 150), kSilence);
  EXPECT_GT(buttons.Level(150, 155), 0.01);  // the pointer enters Новая Игра
  EXPECT_LT(buttons.Level(160, 171), kSilence);
  EXPECT_GT(buttons.Level(171, 175), 0.01);  // Авторы chosen
  EXPECT_LT(buttons.Level(185, 200), kSilence);
}

TEST_F(SoundRun, TheEnginePitchClimbsWithTheSpeed) {
  // A race on an empty track: idle a while, then full throttle.
  const Mix mix = Play(0, "1 click 400 300\n2 click 100 225\n600 down W\n", 1500);
  ASSERT_EQ(mix.Ticks(), 1500);
  const int idle = mix.Crossings(500, 550), fast = mix.Crossings(1450, 1500);
  EXPECT_GT(mix.Level(500, 550), 0.01);
  EXPECT_GT(idle, 0);
  EXPECT_GT(fast, 5 * idle / 2) << "idle " << idle << ", fast " << fast;
}

}  // namespace
}  // namespace quillmoor
