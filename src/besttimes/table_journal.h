#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace quillmoor {

// The best-times pair saved as one. A journal holding both new files is
// written first, as the commit; then each file is replaced; then the
// journal goes. A journal found at start-up is played forward, so a save
// cut short anywhere leaves the whole old table or the whole new one, and
// the temporary files an interrupted write leaves are removed.
struct TablePair {
  std::filesystem::path names;  // Ch1.res
  std::filesystem::path times;  // Ch2.res
  std::filesystem::path Journal() const;
};

// Makes the folder when it is missing. Throws WriteError when the pair
// cannot be saved; the old files are then whole. A file marked read-only
// is not replaced.
void SaveTablePair(const TablePair& pair, std::string_view names, std::string_view times,
                   const FileStep& step = {});

// Plays a journal left behind forward and clears away what an interrupted
// save left. Quiet: what cannot be done now is tried at the next start.
void RecoverTablePair(const TablePair& pair);

// The journal's bytes for a pair of files, and back; nothing when the
// bytes are not a whole journal.
std::string JournalBytes(std::string_view names, std::string_view times);
struct JournalPair {
  std::string names, times;
};
std::optional<JournalPair> ReadJournal(std::string_view bytes);

}  // namespace quillmoor
