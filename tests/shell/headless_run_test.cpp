// The real program, run headless.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stb_image.h>

#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class HeadlessRun : public ::testing::Test {
 protected:
  test::ProgramResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--headless", "--data", (dir_.path() / "Data").string()});
    return test::RunProgram(QUILLMOOR_BINARY, args);
  }

  test::TempDir dir_;
};

TEST_F(HeadlessRun, NoDataFolder) {
  const test::ProgramResult run = Run({"--ticks", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Не найдена рабочая директория\n");
  EXPECT_THAT(run.out, IsEmpty());
}

TEST_F(HeadlessRun, NoMapFile) {
  dir_.Write("Data/Config.ini", "1\r\n");
  const test::ProgramResult run = Run({"--ticks", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Файл карты не найден\n");
}

TEST_F(HeadlessRun, ABrokenFileIsNamedWithItsLine) {
  dir_.Write("Data/map.res", "0");
  dir_.Write("Data/Config.ini", "1\r\nfive thousand\r\n");
  const test::ProgramResult run = Run({"--ticks", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err, HasSubstr("Config.ini, строка 2: «five thousand»"));
}

TEST_F(HeadlessRun, UsageErrorsEndWithStatusTwo) {
  const test::ProgramResult run = Run({"--ticks", "many"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.err, HasSubstr("Usage: quillmoor"));
  const test::ProgramResult help = test::RunProgram(QUILLMOOR_BINARY, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("--screenshot TICK:FILE"));
}

}  // namespace
}  // namespace quillmoor
