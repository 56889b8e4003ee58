// A session recorded in a real window replays headless to the same ticks.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string_view rest = path ? path : "";
  while (!rest.empty()) {
    const std::size_t colon = std::min(rest.find(':'), rest.size());
    const std::string candidate = std::string(rest.substr(0, colon)) + '/' + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    rest.remove_prefix(std::min(colon + 1, rest.size()));
  }
  return false;
}

TEST(WindowedRecord, ARealSessionReplaysHeadlessToTheSameTrace) {
  if (!OnPath("xvfb-run") || !OnPath("xdotool")) GTEST_SKIP() << "needs xvfb-run and xdotool";
  test::TempDir dir;
  test::WriteDataSet(dir);
  const std::string data = (dir.path() / "Data").string();
  const std::string record = (dir.path() / "session.txt").string();
  const std::string windowed = (dir.path() / "windowed.csv").string();
  const test::ProgramResult session = test::RunProgram(
      "/usr/bin/env", {"xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
                       QUILLMOOR_SOURCE_DIR "/tests/shell/data/windowed_session.sh",
                       QUILLMOOR_BINARY, data, record, windowed});
  ASSERT_EQ(session.exitCode, 0) << session.err;

  test::WriteDataSet(dir);
  const std::string replayed = (dir.path() / "replayed.csv").string();
  const test::ProgramResult replay = test::RunProgram(
      QUILLMOOR_BINARY, {"--headless", "--data", data, "--script", record, "--ticks", "400",
                         "--frame-every", "100", "--trace", replayed});
  ASSERT_EQ(replay.exitCode, 0) << replay.err;
  EXPECT_EQ(test::ReadAll(replayed), test::ReadAll(windowed));
  EXPECT_NE(test::ReadAll(record).find(" click "), std::string::npos) << test::ReadAll(record);
}

}  // namespace
}  // namespace quillmoor
