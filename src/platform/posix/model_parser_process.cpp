// The .X parser's child process: started with the first file, fed files
// through a socket pair, under a memory cap and a deadline that fits each
// file, and replaced after a file it dies or hangs on.

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/assimp/x_file_parse.h"
#include "platform/files.h"
#include "platform/model_file.h"

namespace quillmoor {

namespace {

// The parser's time: a second, and a second more for each MiB of the file,
// up to a limit; its memory: what the game had when it started it, and this.
constexpr double kParseSecondsPerMiB = 1, kMostParseSeconds = 20;
constexpr std::uint64_t kParserMemory = 256 * file_limit::kMiB;

std::chrono::steady_clock::time_point ParseDeadline(std::size_t bytes) {
  const double seconds =
      std::min(kMostParseSeconds, 1 + kParseSecondsPerMiB * double(bytes) / double(file_limit::kMiB));
  return std::chrono::steady_clock::now() +
         std::chrono::duration_cast<std::chrono::steady_clock::duration>(
             std::chrono::duration<double>(seconds));
}

// In the child: a file that asks for more memory than any model needs
// makes it fail, not the machine swap. The address sanitizer's shadow
// already passes any such cap, so its builds go without.
void LimitParserMemory() {
#if defined(__SANITIZE_ADDRESS__)
  return;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return;
#endif
#endif
  std::uint64_t pages = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%" SCNu64, &pages) != 1) pages = 0;
    std::fclose(statm);
  }
  if (pages == 0) return;
  const rlim_t cap = rlim_t(pages * std::uint64_t(sysconf(_SC_PAGESIZE)) + kParserMemory);
  const rlimit limit{cap, cap};
  setrlimit(RLIMIT_AS, &limit);
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(std::size_t(n));
  }
  return true;
}

// Reads exactly size bytes, waiting until the deadline; false on an end,
// an error or the deadline.
bool ReceiveAll(int fd, char* out, std::size_t size,
                std::optional<std::chrono::steady_clock::time_point> deadline) {
  while (size > 0) {
    if (deadline) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          *deadline - std::chrono::steady_clock::now());
      pollfd ready{fd, POLLIN, 0};
      const int polled = left.count() > 0 ? poll(&ready, 1, int(left.count())) : 0;
      if (polled < 0 && errno == EINTR) continue;
      if (polled <= 0) return false;
    }
    const ssize_t n = recv(fd, out, size, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    out += n;
    size -= std::size_t(n);
  }
  return true;
}

// A length, then that many bytes.
bool SendMessage(int fd, std::string_view bytes) {
  const std::uint64_t size = bytes.size();
  return SendAll(fd, {reinterpret_cast<const char*>(&size), sizeof size}) && SendAll(fd, bytes);
}

std::optional<std::string> ReceiveMessage(
    int fd, std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt) {
  std::uint64_t size = 0;
  if (!ReceiveAll(fd, reinterpret_cast<char*>(&size), sizeof size, deadline)) return std::nullopt;
  if (size > (std::uint64_t(1) << 31)) return std::nullopt;
  std::string bytes(std::size_t(size), '\0');
  if (!ReceiveAll(fd, bytes.data(), bytes.size(), deadline)) return std::nullopt;
  return bytes;
}

// The child's life: a file's bytes in, its reply out, until the parent goes.
[[noreturn]] void ServeModels(int fd) {
  while (const std::optional<std::string> request = ReceiveMessage(fd)) {
    if (!SendMessage(fd, ParseXFile(*request))) break;
  }
  _exit(0);
}

}  // namespace

XFileReader::~XFileReader() { Stop(); }

bool XFileReader::Start() {
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(pair[0]);
    close(pair[1]);
    return false;
  }
  if (child == 0) {
    close(pair[0]);
    LimitParserMemory();
    ServeModels(pair[1]);
  }
  close(pair[1]);
  pid_ = child;
  channel_ = pair[0];
  return true;
}

void XFileReader::Stop() {
  if (pid_ < 0) return;
  close(channel_);
  kill(pid_, SIGKILL);
  while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  channel_ = -1;
}

ModelRead XFileReader::Parse(std::string_view bytes) {
  if (pid_ < 0 && !Start()) return {std::nullopt, "не удаётся запустить разбор моделей"};
  const auto deadline = ParseDeadline(bytes.size());
  std::optional<std::string> model;
  if (SendMessage(channel_, bytes)) model = ReceiveMessage(channel_, deadline);
  if (!model) {
    const bool late = std::chrono::steady_clock::now() >= deadline;
    Stop();  // it died on this file, or hangs on it: the next file gets a new one
    if (late) return {std::nullopt, "разбор не уложился в отведённое время"};
    return {std::nullopt, "разбор прерван: файл повреждён или просит больше памяти, чем нужно "
                          "моделям (предел " +
                              std::to_string(kParserMemory / file_limit::kMiB) + " МиБ)"};
  }
  if (model->empty() || model->front() != kReplyModel) {
    const std::string why = model->empty() ? std::string() : model->substr(1);
    return {std::nullopt, "разбор не принял его" + (why.empty() ? "" : ": " + why)};
  }
  std::optional<ModelGeometry> geometry = ModelFromReply(std::string_view(*model).substr(1));
  if (!geometry) return {std::nullopt, "разбор вернул повреждённую модель"};
  return {std::move(geometry), {}};
}

}  // namespace quillmoor
