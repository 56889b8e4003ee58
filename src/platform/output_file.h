#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace quillmoor {

// A file written from the start, buffered. Every failure, opening included,
// is a FatalError naming the file and the reason.
class OutputFile {
 public:
  explicit OutputFile(const std::filesystem::path& path);
  // Closes, ignoring errors: call Close to hear of them.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(std::string_view bytes);
  // Overwrites bytes already written, then goes on at the end.
  void WriteAt(std::uint64_t offset, std::string_view bytes);
  // Writes out everything and closes the file.
  void Close();

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  [[noreturn]] void Fail(int error) const;

  std::filesystem::path path_;
  std::unique_ptr<char[]> buffer_;               // the file's output buffer
  std::unique_ptr<std::FILE, FileCloser> file_;  // closed before the buffer goes
};

}  // namespace quillmoor
