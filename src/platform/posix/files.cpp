#include "platform/files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/fatal_error.h"

namespace quillmoor {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    bytes.remove_prefix(std::size_t(n));
  }
  return true;
}

std::string SizeText(std::uintmax_t bytes) {
  if (bytes % file_limit::kMiB == 0) return std::to_string(bytes / file_limit::kMiB) + " МиБ";
  return std::to_string(bytes / file_limit::kKiB) + " КиБ";
}

}  // namespace

std::string ErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return "нет прав на запись";
    case EROFS: return "диск только для чтения";
    case ENOSPC: return "на диске нет места";
    case EDQUOT: return "превышена дисковая квота";
    case EFBIG: return "файл слишком велик для диска";
    case EISDIR: return "на его месте папка";
    case ENOENT: return "нет такой папки";
    case ENOTDIR: return "в пути к нему файл, а не папка";
    case EIO: return "ошибка ввода-вывода";
    default: return std::strerror(error);
  }
}

void ReportUnreadFile(std::string_view what, const std::filesystem::path& file,
                      std::string_view problem) {
  while (problem.ends_with('.')) problem.remove_suffix(1);
  std::cerr << what << ' ' << file.string() << " не прочитана: " << problem << '.' << std::endl;
}

std::string WriteFailureText(const std::filesystem::path& path, int error) {
  return "Не удаётся записать файл " + path.string() + ": " + ErrorText(error) + '.';
}

std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& dir,
                                               std::string_view name) {
  std::error_code error;
  const std::filesystem::path exact = dir / std::string(name);
  if (std::filesystem::exists(std::filesystem::symlink_status(exact, error))) return exact;

  std::vector<std::filesystem::path> matches;
  std::filesystem::directory_iterator it(dir, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (SameIgnoringCase(it->path().filename().string(), name)) matches.push_back(it->path());
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

std::filesystem::path DataFilePath(const std::filesystem::path& dir, std::string_view name) {
  return FindEntry(dir, name).value_or(dir / std::string(name));
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::uintmax_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto tooLarge = [&] {
    return FatalError("Файл " + path.string() + " больше " + SizeText(limit) +
                      " и не прочитан.");
  };
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > limit) throw tooLarge();
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw FatalError("Не удаётся открыть файл " + path.string() + '.');
  std::string bytes;
  if (!error) bytes.reserve(std::size_t(size));
  char buffer[65536];
  // The file may grow while it is read.
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, std::size_t(in.gcount()));
    if (bytes.size() > limit) throw tooLarge();
  }
  if (in.bad()) throw FatalError("Не удаётся прочитать файл " + path.string() + '.');
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         const FileStep& step) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  auto failure = [&](int error) { return WriteError(path, error); };
  auto next = [&] {
    if (step) step();
  };

  const int fd = mkstemp(temporary.data());
  if (fd < 0) throw failure(errno);
  next();
  bool ok = WriteAll(fd, bytes);
  if (ok) next();
  ok = ok && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok) next();
  if (ok && rename(temporary.c_str(), path.c_str()) == 0) {
    next();
    // The rename itself reaches the disk with its folder.
    if (const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
      fsync(dir);
      close(dir);
    }
    return;
  }
  if (ok) error = errno;
  unlink(temporary.c_str());
  throw failure(error);
}

bool IsTemporaryFileOf(std::string_view candidate, std::string_view name) {
  constexpr std::size_t kSuffix = 7;  // ".XXXXXX"
  return candidate.size() == name.size() + 1 + kSuffix && candidate.front() == '.' &&
         candidate.substr(1, name.size()) == name && candidate[1 + name.size()] == '.';
}

FileBytes ReadFileOrSayWhy(const std::filesystem::path& path, std::string_view missing,
                           std::uintmax_t limit) {
  try {
    std::optional<std::string> bytes = ReadFileBytes(path, limit);
    if (!bytes) return {std::nullopt, std::string(missing)};
    return {std::move(bytes), {}};
  } catch (const FatalError& error) {
    return {std::nullopt, error.what()};
  }
}

bool IsMarkedReadOnly(const std::filesystem::path& file) {
  struct stat status {};
  if (stat(file.c_str(), &status) != 0) return false;
  return (status.st_mode & S_IWUSR) == 0 || access(file.c_str(), W_OK) != 0;
}

bool IsWritableFolder(const std::filesystem::path& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  if (std::string home = EnvironmentValue("HOME"); !home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error || program.empty() ? std::filesystem::path(".") : program.parent_path();
}

}  // namespace quillmoor
