#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/fatal_error.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

TEST(Files, FindingAndReadingFiles) {
  test::TempDir dir;
  dir.Write("map.RES", "upper");
  EXPECT_EQ(FindEntry(dir.path(), "map.res"), dir.path() / "map.RES");
  dir.Write("map.res", "exact");  // the exact name comes first
  EXPECT_EQ(FindEntry(dir.path(), "map.res"), dir.path() / "map.res");
  EXPECT_FALSE(FindEntry(dir.path(), "map.re").has_value());
  EXPECT_FALSE(FindEntry(dir.path() / "nowhere", "map.res").has_value());
  EXPECT_EQ(DataFilePath(dir.path(), "Ch1.res"), dir.path() / "Ch1.res");
  EXPECT_FALSE(ReadFileBytes(dir.path() / "none").has_value());
  EXPECT_FALSE(ReadFileBytes(dir.path()).has_value());  // a folder is no file
  EXPECT_EQ(ReadFileBytes(dir.Write("f", std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST(Files, AFileOverItsKindsLimitIsRefusedUnread) {
  test::TempDir dir;
  const auto file = dir.Write("Config.ini", std::string(file_limit::Settings, '1'));
  EXPECT_EQ(ReadFileBytes(file, file_limit::Settings)->size(), file_limit::Settings);
  std::ofstream(file, std::ios::app) << '1';
  EXPECT_THAT([&] { ReadFileBytes(file, file_limit::Settings); },
              testing::ThrowsMessage<FatalError>(
                  testing::StrEq("Файл " + file.string() + " больше 64 КиБ и не прочитан.")));
  EXPECT_THROW(ReadFileBytes(file, 4), FatalError);
}

TEST(Files, AtomicWriteReplacesWholeOrLeavesNoTrace) {
  test::TempDir dir;
  const auto entries = [&] {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
  };
  const auto file = dir.Write("Ch1.res", "old");
  WriteFileAtomically(file, "new");
  EXPECT_EQ(test::ReadAll(file), "new");
  EXPECT_EQ(entries(), 1);
  EXPECT_THROW(WriteFileAtomically(dir.path() / "missing" / "f", "x"), FatalError);
  // A folder stands where the file should go: the rename fails, no temporary stays.
  dir.Write("Ch2.res/inside", "kept");
  EXPECT_THROW(WriteFileAtomically(dir.path() / "Ch2.res", "new"), FatalError);
  EXPECT_EQ(test::ReadAll(dir.path() / "Ch2.res/inside"), "kept");
  EXPECT_EQ(entries(), 2);
}

}  // namespace
}  // namespace quillmoor
