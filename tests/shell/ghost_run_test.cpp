// The real program racing its ghost: the file kept after a faster run,
// traces untouched by it, --ghost from a file or a recorded session, and
// the ghost in the picture.

#include <gmock/gmock.h>
#include <stb_image.h>

#include <variant>

#include "ghost/ghost_file.h"
#include "shell/ghost_option.h"
#include "shell/script.h"
#include "support/data_set.h"
#include "support/loaded_game.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// Intro, Новая Игра, then the throttle from the tick given; the race starts
// on tick 139. No pads on the track: held from the start, the race ends by
// itself at tick 7103.
std::string Throttle(int fromTick) {
  return "1 click 400 300\n2 move 100 225\n3 click 100 225\n" + std::to_string(fromTick) +
         " down W\n";
}

class GhostRunTest : public ::testing::Test {
 protected:
  GhostRunTest() { test::WriteDataSet(dir_); }

  std::string Path(std::string_view name) const { return (dir_.path() / name).string(); }
  std::string File(std::string_view name) const { return test::ReadAll(dir_.path() / name); }

  // The script run headless to the tick, with the arguments.
  test::ProgramResult Run(const std::string& script, int ticks, std::vector<std::string> args) {
    args.insert(args.begin(), {"--headless", "--data", Path("Data"), "--script",
                               dir_.Write("run.script", script).string(), "--frame-every",
                               "1000", "--ticks", std::to_string(ticks)});
    return test::RunProgram(QUILLMOOR_BINARY, args);
  }
  void Race(int throttleFrom, std::vector<std::string> args = {}, int ticks = 7300) {
    const test::ProgramResult run = Run(Throttle(throttleFrom), ticks, args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.err, "");
  }

  // The track's ghost file in Data, as the game names it.
  std::filesystem::path TrackGhost() const {
    return GhostFileIn(dir_.path() / "Data", Fnv1a64(test::ReadAll(dir_.path() / "Data/map.res")));
  }
  GhostRun Saved() const { return Decoded(test::ReadAll(TrackGhost())); }
  // Read as a ghost of the track whose ghost file is given.
  GhostRun Decoded(const std::string& bytes, std::filesystem::path track = {}) const {
    if (track.empty()) track = TrackGhost();
    const std::string hash = track.stem().string().substr(6);
    const auto read = DecodeGhost(bytes, std::stoull(hash, nullptr, 16));
    EXPECT_TRUE(std::holds_alternative<GhostRun>(read)) << std::get<std::string>(read);
    return std::holds_alternative<GhostRun>(read) ? std::get<GhostRun>(read) : GhostRun{};
  }

  test::TempDir dir_;
};

TEST_F(GhostRunTest, OnlyAFasterRunIsKeptAndTheGhostNeverChangesATrace) {
  Race(200, {"--trace", Path("alone.csv")});
  const GhostRun slow = Saved();
  EXPECT_NEAR(slow.FinishTime, 119.99 + 60 * 0.02, 0.005);  // 60 ticks late
  EXPECT_EQ(slow.Samples.back().Speed, 0);                   // to the stop

  Race(3);
  const std::filesystem::path first = TrackGhost();
  const std::string fast = test::ReadAll(first);
  EXPECT_NEAR(Decoded(fast).FinishTime, 119.99, 0.005);

  Race(200, {"--trace", Path("beside.csv")});
  EXPECT_EQ(test::ReadAll(first), fast);
  EXPECT_EQ(File("beside.csv"), File("alone.csv"));

  // Another track has a ghost of its own.
  dir_.Write("Data/map.res", "1\x1e" "5000\x1f" "0\x1f" "0\x1e");
  Race(3);
  EXPECT_NE(TrackGhost(), first);
  EXPECT_EQ(Saved().Samples.size(), Decoded(fast, first).Samples.size());
  EXPECT_EQ(test::ReadAll(first), fast);
}

// On the shipped track, with its pads, asteroid and pickup.
TEST_F(GhostRunTest, ARecordedSessionMakesTheSameGhostAsTheRaceItRecorded) {
  const std::string map = test::ReadAll(test::GeneratedData() / "map.res");
  dir_.Write("Data/map.res", map);
  Race(3, {"--record", Path("session.script")}, 21000);
  const auto session = ParseScript(File("session.script"));
  ASSERT_TRUE(std::holds_alternative<Script>(session));
  test::LoadedGame loaded(map);
  const auto made = GhostFromSession(std::get<Script>(session), loaded.game);
  ASSERT_TRUE(std::holds_alternative<GhostRun>(made)) << std::get<std::string>(made);
  EXPECT_EQ(std::get<GhostRun>(made), Saved());
}

// A frame 300 race ticks in, thirty ticks behind the ghost: it rides 8.6
// units ahead, low in the middle, drawn the same from either source.
TEST_F(GhostRunTest, TheGhostIsInThePictureWhereItRidesAndNowhereElse) {
  Race(3, {"--record", Path("session.script")});
  std::filesystem::rename(TrackGhost(), Path("best.qmg"));
  const auto shoot = [&](const std::string& name, std::vector<std::string> args) {
    const std::string shot = std::string(QUILLMOOR_SCREENSHOT_DIR) + "/ghost-" + name + ".png";
    std::filesystem::create_directories(QUILLMOOR_SCREENSHOT_DIR);
    args.insert(args.end(), {"--screenshot", "439:" + shot});
    const test::ProgramResult run = Run(Throttle(170), 439, args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load(shot.c_str(), &width, &height, &channels, 3);
    std::vector<stbi_uc> picture;
    if (pixels && width == 800 && height == 600) picture.assign(pixels, pixels + 800 * 600 * 3);
    stbi_image_free(pixels);
    return picture;
  };
  const auto none = shoot("none", {});
  const auto fromSession = shoot("session", {"--ghost", Path("session.script")});
  const auto fromFile = shoot("file", {"--ghost", Path("best.qmg")});
  ASSERT_EQ(none.size(), 800u * 600u * 3u);
  EXPECT_EQ(fromSession, fromFile);

  int changed = 0, outside = 0, bluer = 0;
  for (std::size_t i = 0; i < none.size(); i += 3) {
    if (std::equal(&none[i], &none[i + 3], &fromFile[i])) continue;
    const int x = int(i / 3 % 800), y = int(i / 3 / 800);
    ++changed;
    outside += x < 370 || x > 430 || y < 290 || y > 330;
    bluer += fromFile[i + 2] > none[i + 2];
  }
  EXPECT_GT(changed, 40);
  EXPECT_EQ(outside, 0);
  EXPECT_GT(bluer, changed / 2);
}

TEST_F(GhostRunTest, ABadGhostIsNamedOnOneLineAndTheGameGoesOn) {
  Race(3, {"--record", Path("session.script")});
  const std::string good = test::ReadAll(TrackGhost());
  std::string otherVersion = good, flipped = good;
  otherVersion[8] = 9;
  flipped[200] ^= 1;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {good.substr(0, good.size() / 2), "файл обрезан"},
      {otherVersion, "другой версии"},
      {flipped, "контрольная сумма"},
      {"5 down Q\n", "script line 1"},
      {Throttle(3) + "100 quit\n", "сеанс закрыт до финиша"},
      {"1 click 400 300\n", "нет законченного заезда"},
      {"360001 down W\n", "длиннее двух часов"},
  };
  for (const auto& [bytes, why] : cases) {
    const test::ProgramResult run = Run("", 3, {"--ghost", dir_.Write("bad", bytes).string()});
    EXPECT_EQ(run.exitCode, 0) << why;
    EXPECT_THAT(run.err, MatchesRegex("--ghost .*bad: призрак пропущен: [^\n]*\n")) << why;
    EXPECT_THAT(run.err, HasSubstr(why));
  }
  // Another track's ghost.
  dir_.Write("Data/map.res", "1\x1e" "5000\x1f" "0\x1f" "0\x1e");
  const test::ProgramResult run = Run("", 3, {"--ghost", dir_.Write("bad", good).string()});
  EXPECT_THAT(run.err, HasSubstr("призрак другой трассы"));
}

}  // namespace
}  // namespace quillmoor
