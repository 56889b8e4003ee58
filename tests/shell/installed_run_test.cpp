// The installed game, read-only to its player, run headless: a record goes to
// the player's folder; a folder that cannot take it costs only the record.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>
#include <map>

#include "besttimes/best_times_file.h"
#include "support/data_set.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

// Full throttle, no pads: tick 7103 beats the first row; name typed, Выход.
constexpr std::string_view kRecordRace =
    "1 click 400 300\n2 move 100 225\n3 click 100 225\n3 down W\n"
    "7110 down Backspace\n7110 down Backspace\n7110 down Backspace\n"
    "7111 type Ёж 7\n7112 down Return\n7113 up Return\n"
    "7114 click 400 300\n7120 move 100 330\n7121 click 100 330\n";

constexpr uid_t kNobody = 65534;

std::map<std::filesystem::path, std::string> Contents(const std::filesystem::path& folder) {
  std::map<std::filesystem::path, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path()] = test::ReadAll(entry.path());
  }
  return files;
}

void SetWritable(const std::filesystem::path& folder, bool writable) {
  using std::filesystem::perms;
  const auto options = writable ? std::filesystem::perm_options::add
                                : std::filesystem::perm_options::remove;
  const perms write = perms::owner_write | perms::group_write | perms::others_write;
  std::filesystem::permissions(folder, write, options);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    std::filesystem::permissions(entry.path(), write, options);
}

class InstalledRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::all);
    const test::ProgramResult install = test::RunProgram(
        "/usr/bin/env", {"DESTDIR=" + Stage().string(), QUILLMOOR_CMAKE, "--install",
                         QUILLMOOR_BUILD_DIR, "--prefix", "/usr"});
    ASSERT_EQ(install.exitCode, 0) << install.err;
    std::ofstream(Stage() / "usr/share/quillmoor/Data/map.res", std::ios::trunc) << "0";
    SetWritable(Stage(), false);
    installed_ = Contents(Stage());
    for (const std::filesystem::path& folder : {User(), Home()}) {
      std::filesystem::create_directories(folder);
      if (geteuid() == 0) {
        ASSERT_EQ(chown(folder.c_str(), kNobody, kNobody), 0);
      }
    }
  }

  void TearDown() override {
    EXPECT_EQ(Contents(Stage()), installed_) << "the installed files changed";
    SetWritable(Stage(), true);
  }

  std::filesystem::path Stage() const { return dir_.path() / "stage"; }
  std::filesystem::path User() const { return dir_.path() / "user"; }
  std::filesystem::path Home() const { return dir_.path() / "home"; }

  // As a player who cannot write the installation: root runs it as nobody.
  test::ProgramResult Race() const {
    const std::string script = dir_.Write("race.script", kRecordRace).string();
    std::vector<std::string> args = {"HOME=" + Home().string(),
                                     (Stage() / "usr/bin/quillmoor").string(), "--headless",
                                     "--frame-every", "1000", "--script", script,
                                     "--user-dir", User().string()};
    if (geteuid() != 0) return test::RunProgram("/usr/bin/env", args);
    args.insert(args.begin(),
                {"--reuid=65534", "--regid=65534", "--clear-groups", "--", "/usr/bin/env"});
    return test::RunProgram("/usr/bin/setpriv", args);
  }

  // The player's folder on a small tmpfs in this process's own mount namespace.
  bool MountOwnFileSystem() const {
    if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0) return false;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    return mount("tmpfs", User().c_str(), "tmpfs", 0, "size=64k,mode=0777") == 0;
  }

  test::TempDir dir_;
  std::map<std::filesystem::path, std::string> installed_;
};

TEST_F(InstalledRun, ARecordIsSavedInThePlayersFolder) {
  const test::ProgramResult run = Race();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.err, Not(HasSubstr("Не удаётся")));

  const NameRows names = DecodeNames(test::ReadAll(User() / "Ch1.res"), "Ch1.res").value();
  const TimeRows times = DecodeTimes(test::ReadAll(User() / "Ch2.res"), "Ch2.res").value();
  const NameRows before = DecodeNames(
      test::ReadAll(Stage() / "usr/share/quillmoor/Data/Ch1.res"), "Ch1.res").value();
  EXPECT_EQ((NameRows{"", "Ёж 7", before[2], before[3], before[4]}), names);
  EXPECT_NEAR(times[1], 119.99, 0.005);
  EXPECT_EQ(Contents(User()).size(), 3u);  // the table and the track's ghost, nothing else
}

class UnwritablePlayersFolder : public InstalledRun,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(UnwritablePlayersFolder, TheRecordIsReportedNotSavedAndTheOldTableStays) {
  const std::string_view kind = GetParam();
  if (kind != "ReadOnlyFolder" && !MountOwnFileSystem()) {
    GTEST_SKIP() << "mounting a file system of its own needs root";
  }
  // An old table of the player's own, then nothing more fits.
  const std::filesystem::path names = User() / "Ch1.res", times = User() / "Ch2.res";
  std::ofstream(names, std::ios::binary) << *EncodeNames(test::kSomeNames);
  std::ofstream(times, std::ios::binary) << *EncodeTimes(test::kSomeTimes);
  if (kind == "FullFileSystem") {
    std::ofstream filler(User() / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), std::streamsize(block.size()))) filler.flush();
  } else if (kind == "ReadOnlyFileSystem") {
    ASSERT_EQ(mount(nullptr, User().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  } else {
    SetWritable(User(), false);
  }
  const auto before = Contents(User());

  const test::ProgramResult run = Race();
  if (kind == "ReadOnlyFolder") SetWritable(User(), true);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("Рекорд не сохранён")) << run.err;
  EXPECT_EQ(Contents(User()), before);  // the old table whole, nothing left beside it
}

INSTANTIATE_TEST_SUITE_P(, UnwritablePlayersFolder,
                         ::testing::Values("ReadOnlyFolder", "FullFileSystem", "ReadOnlyFileSystem"),
                         [](const auto& kind) { return std::string(kind.param); });

}  // namespace
}  // namespace quillmoor
