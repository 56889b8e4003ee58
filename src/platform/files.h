#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fatal_error.h"

namespace quillmoor {

// The entry called name in dir, file or folder: the exact name when it
// exists, otherwise a name that differs only in ASCII letter case (the first
// in sorted order when several do). Nothing when there is none.
std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& dir,
                                               std::string_view name);

// Where a data file is: the entry found, or dir/name when there is none.
std::filesystem::path DataFilePath(const std::filesystem::path& dir, std::string_view name);

// The most each kind of file may hold, in bytes.
namespace file_limit {
inline constexpr std::uintmax_t kKiB = 1024, kMiB = 1024 * kKiB;
inline constexpr std::uintmax_t Settings = 64 * kKiB;  // Config.ini, quillmoor.ini
inline constexpr std::uintmax_t Table = 64 * kKiB;     // Ch1.res, Ch2.res, the journal
inline constexpr std::uintmax_t Map = 4 * kMiB;        // 20000 pads and then some
inline constexpr std::uintmax_t Script = 256 * kMiB;   // hours of recorded play
inline constexpr std::uintmax_t Media = 64 * kMiB;     // an image, a sound or a model
inline constexpr std::uintmax_t Ghost = 2 * kMiB;      // half an hour of race ticks
}  // namespace file_limit

// The bytes of a regular file, or nothing when there is no such file.
// Throws FatalError when the file exists but cannot be read, or holds more
// than limit bytes: then nothing of it is read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::uintmax_t limit = file_limit::Media);

// A file's bytes, or why there are none: the missing text when there is no
// such file, else what ReadFileBytes threw.
struct FileBytes {
  std::optional<std::string> bytes;
  std::string problem;
};
FileBytes ReadFileOrSayWhy(const std::filesystem::path& path, std::string_view missing,
                           std::uintmax_t limit = file_limit::Media);

// "<what> <file> не прочитана: <problem>." on stderr, for a file the game
// goes on without or names again in its own message.
void ReportUnreadFile(std::string_view what, const std::filesystem::path& file,
                      std::string_view problem);

// Why a file operation failed, in words a player reads.
std::string ErrorText(int error);
std::string WriteFailureText(const std::filesystem::path& path, int error);

// A file that could not be written, and the errno value saying why.
class WriteError : public FatalError {
 public:
  WriteError(const std::filesystem::path& path, int error)
      : FatalError(WriteFailureText(path, error)), error_(error) {}
  int error() const { return error_; }

 private:
  int error_;
};

// Called between any two of a write's file operations; tests stop a
// process there.
using FileStep = std::function<void()>;

// Replaces the file with the bytes through a temporary file in the same
// folder, flushed to disk before it is renamed over the old one and the
// folder flushed after: a crash or a full disk leaves the old file whole.
// Throws WriteError when it fails.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         const FileStep& step = {});

// Whether the name is one WriteFileAtomically gives its temporary files
// while it writes a file called name.
bool IsTemporaryFileOf(std::string_view candidate, std::string_view name);

// Whether the file exists and is marked read-only: no owner write bit, or
// none this process may use. A rename would replace it all the same.
bool IsMarkedReadOnly(const std::filesystem::path& file);

// Whether this process may create files in the folder.
bool IsWritableFolder(const std::filesystem::path& folder);

// An environment variable's value; empty when it is unset.
std::string EnvironmentValue(const char* name);

// The user's home folder: HOME, else the password database's entry.
std::string HomeFolder();

// The folder the running program's file is in; "." when it cannot be found.
std::filesystem::path ProgramFolder();

}  // namespace quillmoor
