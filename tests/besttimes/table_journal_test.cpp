// The best-times pair saved as one, whenever the process dies.

#include "besttimes/table_journal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>

#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

constexpr std::string_view kOldNames = "old names\r\n", kOldTimes = "old times\r\n";
constexpr std::string_view kNewNames = "new names, longer\r\n", kNewTimes = "new times, longer\r\n";

class TableJournal : public ::testing::Test {
 protected:
  TableJournal() {
    pair_ = {dir_.Write("Ch1.res", kOldNames), dir_.Write("Ch2.res", kOldTimes)};
  }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  // What the next start finds after recovery: the old pair or the new, whole, and no other file.
  void ExpectWholeOldOrNew(const std::string& when) const {
    RecoverTablePair(pair_);
    const std::pair<std::string, std::string> table{test::ReadAll(pair_.names), test::ReadAll(pair_.times)};
    const bool old = table == std::pair<std::string, std::string>(kOldNames, kOldTimes);
    const bool fresh = table == std::pair<std::string, std::string>(kNewNames, kNewTimes);
    EXPECT_TRUE(old || fresh) << when << ": " << table.first << " / " << table.second;
    EXPECT_EQ(Files(), (std::set<std::string>{"Ch1.res", "Ch2.res"})) << when;
  }

  test::TempDir dir_;
  TablePair pair_;
};

TEST_F(TableJournal, DyingBetweenAnyTwoFileOperationsLeavesAWholeTable) {
  int steps = 0;
  SaveTablePair(pair_, kNewNames, kNewTimes, [&] { ++steps; });
  ASSERT_GE(steps, 12);  // three files of four steps each, and the journal's removal
  int fresh = 0;
  for (int stop = 1; stop <= steps; ++stop) {
    SaveTablePair(pair_, kOldNames, kOldTimes);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int step = 0;
      SaveTablePair(pair_, kNewNames, kNewTimes, [&] { if (++step == stop) raise(SIGKILL); });
      _exit(0);
    }
    waitpid(child, nullptr, 0);
    ExpectWholeOldOrNew("killed at step " + std::to_string(stop));
    fresh += test::ReadAll(pair_.names) == kNewNames;
  }
  // Up to the journal's commit the old table stands, after it the new one.
  EXPECT_EQ(fresh, steps - 3);
}

TEST_F(TableJournal, RandomKillsDuringSavesLeaveAWholeTable) {
  std::minstd_rand random(7);
  for (int run = 0; run < 40; ++run) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (bool fresh = true;; fresh = !fresh) {
        SaveTablePair(pair_, fresh ? kNewNames : kOldNames, fresh ? kNewTimes : kOldTimes);
      }
    }
    usleep(useconds_t(std::uniform_int_distribution<int>(100, 3000)(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ExpectWholeOldOrNew("run " + std::to_string(run));
  }
}

TEST_F(TableJournal, AReadOnlyFileIsNotReplaced) {
  std::filesystem::permissions(pair_.times, std::filesystem::perms::owner_read);
  try {
    SaveTablePair(pair_, kNewNames, kNewTimes);
    ADD_FAILURE() << "saved over a read-only file";
  } catch (const WriteError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Ch2.res: нет прав на запись"));
  }
  std::filesystem::permissions(pair_.times, std::filesystem::perms::owner_all);
  ExpectWholeOldOrNew("read-only");
  EXPECT_EQ(test::ReadAll(pair_.names), kOldNames);
}

TEST_F(TableJournal, OnlyAWholeJournalIsPlayedForward) {
  const std::string journal = JournalBytes(kNewNames, kNewTimes);
  const std::optional<JournalPair> read = ReadJournal(journal);
  ASSERT_TRUE(read);
  EXPECT_EQ(std::tie(read->names, read->times), std::tuple(kNewNames, kNewTimes));
  for (std::size_t cut : {std::size_t(0), std::size_t(10), journal.size() / 2, journal.size() - 1}) {
    EXPECT_FALSE(ReadJournal(journal.substr(0, cut))) << cut;
  }
  std::string flipped = journal;
  flipped[40] ^= 1;
  EXPECT_FALSE(ReadJournal(flipped));
  EXPECT_FALSE(ReadJournal(journal + "x"));

  // A damaged journal on disk is dropped, and the old pair stands.
  dir_.Write(pair_.Journal().filename(), flipped);
  ExpectWholeOldOrNew("damaged journal");
  EXPECT_EQ(test::ReadAll(pair_.names), kOldNames);
}

}  // namespace
}  // namespace quillmoor
