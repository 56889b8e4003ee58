#include "besttimes/best_times.h"

#include <string>
#include <string_view>
#include <system_error>

#include "besttimes/best_times_file.h"
#include "besttimes/table_journal.h"
#include "platform/files.h"
#include "state/game.h"

namespace quillmoor {

namespace {

constexpr std::string_view kNamesFile = "Ch1.res";
constexpr std::string_view kTimesFile = "Ch2.res";

std::string ReadTableFile(const std::filesystem::path& path, const char* missingMessage) {
  std::optional<std::string> bytes = ReadFileBytes(path, file_limit::Table);
  if (!bytes) throw FatalError(missingMessage, MessageIcon::Critical);
  return std::move(*bytes);
}

// The pair in a folder, by the names found there.
TablePair PairIn(const std::filesystem::path& folder) {
  return {DataFilePath(folder, kNamesFile), DataFilePath(folder, kTimesFile)};
}

// On an installed game's first start the shipped table becomes the
// player's. When that fails the shipped one is read, and the first record
// saved says why.
void CopyShippedTable(const FilePlaces& places) {
  if (places.IsPortable() || FindEntry(places.user, kNamesFile) ||
      FindEntry(places.user, kTimesFile)) {
    return;
  }
  try {
    const std::optional<std::string> names =
        ReadFileBytes(DataFilePath(places.data, kNamesFile), file_limit::Table);
    const std::optional<std::string> times =
        ReadFileBytes(DataFilePath(places.data, kTimesFile), file_limit::Table);
    if (!names || !times) return;
    SaveTablePair(PairIn(places.user), *names, *times);
  } catch (const FatalError&) {
  }
}

}  // namespace

void LoadBestTimes(Game& game) {
  const FilePlaces& places = game.shell.Places;
  RecoverTablePair(PairIn(places.user));
  CopyShippedTable(places);
  const std::filesystem::path namesPath = FileToRead(places.user, places.data, kNamesFile);
  const std::optional<NameRows> names =
      DecodeNames(ReadTableFile(namesPath, "Файл 1 таблицы не найден"), namesPath);
  if (!names) {
    ShowTrouble(game.platform.dialogs, "Ошибка при дешифровании ^_^", "Данные не прочитаны");
    return;
  }
  game.best.BestNames = *names;

  const std::filesystem::path timesPath = FileToRead(places.user, places.data, kTimesFile);
  const std::optional<TimeRows> times =
      DecodeTimes(ReadTableFile(timesPath, "Файл 2 таблицы не найден"), timesPath);
  if (!times) {
    ShowTrouble(game.platform.dialogs, "Ошибка при дешифровании ^_^", "Данные не прочитаны");
    return;
  }
  game.best.BestTimes = *times;
}

std::uint8_t CheckNewRecord(BestTimesState& best, float raceTime) {
  best.RecordCheckDue = false;
  best.NewRecordRank = kNoRecordRank;
  for (int row = 1; row <= kBestTimesRows; ++row) {
    if (raceTime < best.BestTimes[row]) {
      best.NewRecordRank = std::uint8_t(row);
      break;
    }
  }
  return best.NewRecordRank;
}

void SaveBestTimes(Game& game) {
  const std::optional<std::string> names = EncodeNames(game.best.BestNames);
  if (!names) {
    ShowTrouble(game.platform.dialogs, "Ошибка при шифровании ^_^", "Данные не записаны");
    return;
  }
  const std::optional<std::string> times = EncodeTimes(game.best.BestTimes);
  if (!times) {
    ShowTrouble(game.platform.dialogs, "Ошибка при шифровании 2 ^_^", "Данные не записаны");
    return;
  }
  // The record stays in the table shown; the next confirmed one tries the
  // whole table again.
  const std::filesystem::path& folder = game.shell.Places.user;
  try {
    SaveTablePair(PairIn(folder), *names, *times);
  } catch (const FatalError& error) {
    ShowTrouble(game.platform.dialogs, error.what(),
                "Рекорд не сохранён: он останется в таблице до выхода из игры.");
  }
}

}  // namespace quillmoor
