#include "besttimes/table_journal.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "platform/fnv1a.h"

namespace quillmoor {

namespace {

constexpr std::string_view kMagic = "Quillmoor best times journal 1\n";

void AppendPart(std::string& out, std::string_view bytes) {
  out += std::to_string(bytes.size());
  out += '\n';
  out += bytes;
}

// A length line and that many bytes, taken from the front of rest.
std::optional<std::string> TakePart(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  if (end == rest.npos || end == 0 || end > 9) return std::nullopt;
  std::size_t size = 0;
  const auto [ptr, error] = std::from_chars(rest.data(), rest.data() + end, size);
  if (error != std::errc() || ptr != rest.data() + end) return std::nullopt;
  rest.remove_prefix(end + 1);
  if (rest.size() < size) return std::nullopt;
  std::string part(rest.substr(0, size));
  rest.remove_prefix(size);
  return part;
}

// A file marked read-only stays, even for a user who could replace it.
void RefuseReadOnly(const std::filesystem::path& file) {
  if (IsMarkedReadOnly(file)) throw WriteError(file, EACCES);
}

// Temporary files of the pair's writes, left by a process that died.
void RemoveLeftovers(const TablePair& pair) {
  const std::filesystem::path folder = pair.names.parent_path();
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    for (const std::filesystem::path& file : {pair.names, pair.times, pair.Journal()}) {
      if (IsTemporaryFileOf(name, file.filename().string())) {
        std::error_code ignored;
        std::filesystem::remove(it->path(), ignored);
      }
    }
  }
}

}  // namespace

std::filesystem::path TablePair::Journal() const {
  return names.parent_path() / (".quillmoor-best-times.journal");
}

std::string JournalBytes(std::string_view names, std::string_view times) {
  std::string out(kMagic);
  AppendPart(out, names);
  AppendPart(out, times);
  out += '\n' + std::to_string(Fnv1a64(out)) + '\n';
  return out;
}

std::optional<JournalPair> ReadJournal(std::string_view bytes) {
  if (!bytes.starts_with(kMagic)) return std::nullopt;
  std::string_view rest = bytes.substr(kMagic.size());
  std::optional<std::string> names = TakePart(rest), times;
  if (names) times = TakePart(rest);
  if (!times) return std::nullopt;
  const std::string_view body = bytes.substr(0, bytes.size() - rest.size());
  if (rest != "\n" + std::to_string(Fnv1a64(body)) + "\n") return std::nullopt;
  return JournalPair{std::move(*names), std::move(*times)};
}

void SaveTablePair(const TablePair& pair, std::string_view names, std::string_view times,
                   const FileStep& step) {
  std::error_code ignored;  // a folder that cannot be made fails the first write
  std::filesystem::create_directories(pair.names.parent_path(), ignored);
  RefuseReadOnly(pair.names);
  RefuseReadOnly(pair.times);
  const std::filesystem::path journal = pair.Journal();
  WriteFileAtomically(journal, JournalBytes(names, times), step);
  WriteFileAtomically(pair.names, names, step);
  WriteFileAtomically(pair.times, times, step);
  std::error_code error;
  std::filesystem::remove(journal, error);
  if (step) step();
}

void RecoverTablePair(const TablePair& pair) {
  RemoveLeftovers(pair);
  const std::filesystem::path journal = pair.Journal();
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(journal, 2 * file_limit::Table + file_limit::kKiB);
  } catch (const FatalError&) {
    return;
  }
  if (!bytes) return;
  try {
    // A torn journal was never the commit: the old pair stands.
    if (const std::optional<JournalPair> saved = ReadJournal(*bytes)) {
      WriteFileAtomically(pair.names, saved->names);
      WriteFileAtomically(pair.times, saved->times);
    }
    std::error_code error;
    std::filesystem::remove(journal, error);
  } catch (const WriteError&) {
    RemoveLeftovers(pair);
  }
}

}  // namespace quillmoor
