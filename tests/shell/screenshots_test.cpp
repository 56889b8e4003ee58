// The real program's pictures, headless, checked by regions that cannot pass
// by accident. The pictures stay in the build folder for a person to see.

#include <gtest/gtest.h>
#include <stb_image.h>

#include <array>
#include <functional>

#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using Rgb = std::array<int, 3>;

class Picture {
 public:
  explicit Picture(const std::string& file) {
    int channels = 0;
    pixels_ = stbi_load(file.c_str(), &width_, &height_, &channels, 3);
  }
  ~Picture() { stbi_image_free(pixels_); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  bool Loaded() const { return pixels_ && width_ == 800 && height_ == 600; }
  Rgb At(int x, int y) const {
    const stbi_uc* p = pixels_ + (std::size_t(y) * width_ + x) * 3;
    return {p[0], p[1], p[2]};
  }
  // Pixels in [x0, x1) x [y0, y1) that pass the test.
  int Count(int x0, int y0, int x1, int y1, const std::function<bool(Rgb)>& test) const {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) count += test(At(x, y));
    }
    return count;
  }

 private:
  int width_ = 0, height_ = 0;
  stbi_uc* pixels_ = nullptr;
};

bool Near(Rgb a, Rgb b, int tolerance = 24) {
  for (int c = 0; c < 3; ++c) {
    if (std::abs(a[c] - b[c]) > tolerance) return false;
  }
  return true;
}

const Rgb kWhite = {255, 255, 255}, kHighlight = {255, 255, 180};

class Screenshots : public ::testing::Test {
 protected:
  Screenshots() { test::WriteDataSet(dir_, "0"); }

  static std::string Shot(const std::string& name) {
    return std::string(QUILLMOOR_SCREENSHOT_DIR) + "/" + name + ".png";
  }
  void Run(std::string_view script, int ticks, const std::vector<std::pair<int, std::string>>& shots) {
    std::vector<std::string> args = {"--headless", "--data", (dir_.path() / "Data").string(),
                                     "--script", dir_.Write("s.script", script).string(),
                                     "--frame-every", "1000", "--ticks", std::to_string(ticks)};
    for (const auto& [tick, name] : shots) {
      args.push_back("--screenshot");
      args.push_back(std::to_string(tick) + ":" + Shot(name));
    }
    const test::ProgramResult run = test::RunProgram(QUILLMOOR_BINARY, args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }

  test::TempDir dir_;
};

TEST_F(Screenshots, IntroMenuAndPages) {
  std::filesystem::create_directories(QUILLMOOR_SCREENSHOT_DIR);
  Run("301 move 100 260\n"                     // over Рекорды
      "320 move 100 225\n320 click 100 300\n"  // Авторы: the credits
      "330 click 400 300\n"                    // closes them
      "340 click 100 265\n",                   // Рекорды: the table
      350, {{50, "intro"}, {310, "menu"}, {325, "credits"}, {345, "best_times"}});

  const Picture intro(Shot("intro"));
  ASSERT_TRUE(intro.Loaded());
  // The version text, white, at the bottom right; the intro image elsewhere.
  EXPECT_GT(intro.Count(708, 548, 760, 570, [](Rgb p) { return Near(p, kWhite, 40); }), 20);
  EXPECT_EQ(intro.Count(0, 0, 800, 600, [](Rgb p) { return Near(p, {150, 190, 255}, 2); }), 0);

  const Picture menu(Shot("menu"));
  ASSERT_TRUE(menu.Loaded());
  // "Новая Игра" white, "Рекорды" under the pointer, at their rows.
  EXPECT_GT(menu.Count(78, 218, 175, 242, [](Rgb p) { return Near(p, kWhite, 30); }), 30);
  EXPECT_GT(menu.Count(78, 253, 175, 277, [](Rgb p) { return Near(p, kHighlight, 30); }), 30);
  EXPECT_EQ(menu.Count(78, 253, 175, 277, [](Rgb p) { return Near(p, kWhite, 10); }), 0);

  const Picture credits(Shot("credits"));
  const Picture table(Shot("best_times"));
  ASSERT_TRUE(credits.Loaded());
  ASSERT_TRUE(table.Loaded());
  // The table's first row where the menu had nothing; the item list gone.
  const auto white = [](Rgb p) { return Near(p, kWhite, 30); };
  EXPECT_GT(table.Count(198, 280, 292, 300, white), 30);
  EXPECT_LT(menu.Count(198, 280, 292, 300, white), 5);
  EXPECT_LT(table.Count(78, 218, 175, 242, white), 5);
  EXPECT_LT(credits.Count(78, 218, 175, 242, white), 5);
}

TEST_F(Screenshots, ARaceItsNeedleAndProgress) {
  std::filesystem::create_directories(QUILLMOOR_SCREENSHOT_DIR);
  Run("1 click 400 300\n2 click 100 225\n200 down W\n", 2300,
      {{150, "race_start"}, {1200, "race_mid"}, {2300, "race_fast"}});
  const Picture start(Shot("race_start")), mid(Shot("race_mid")), fast(Shot("race_fast"));
  ASSERT_TRUE(start.Loaded());
  ASSERT_TRUE(mid.Loaded());
  ASSERT_TRUE(fast.Loaded());
  // The race clock's text, white, near the top left.
  EXPECT_GT(mid.Count(28, 36, 120, 56, [](Rgb p) { return Near(p, kWhite, 40); }), 20);
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
}

TEST_F(Screenshots, ARaceWithSpeedBlurAndOverlayDrawsWithoutAGlError) {
  std::filesystem::create_directories(QUILLMOOR_SCREENSHOT_DIR);
  dir_.Write("Data/Config.ini", "1\r\n5002\r\n192.168.0.1\r\n1\r\n1\r\n1\r\n");
  Run("1 click 400 300\n2 click 100 225\n150 down W\n", 1500, {{1500, "race_blurred"}});
  const Picture blurred(Shot("race_blurred"));
  ASSERT_TRUE(blurred.Loaded());
  EXPECT_GT(blurred.Count(28, 36, 120, 56, [](Rgb p) { return Near(p, kWhite, 60); }), 10);
}

}  // namespace
}  // namespace quillmoor
