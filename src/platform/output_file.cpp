#include "platform/output_file.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/fatal_error.h"
#include "platform/files.h"

namespace quillmoor {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

OutputFile::OutputFile(const std::filesystem::path& path)
    : path_(path), buffer_(std::make_unique<char[]>(kBufferSize)) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  if (!file_) Fail(errno);
  std::setvbuf(file_.get(), buffer_.get(), _IOFBF, kBufferSize);
}

OutputFile::~OutputFile() = default;

void OutputFile::Write(std::string_view bytes) {
  if (!file_) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) Fail(errno);
}

void OutputFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
  if (!file_) return;
  if (std::fseek(file_.get(), long(offset), SEEK_SET) != 0) Fail(errno);
  Write(bytes);
  if (std::fseek(file_.get(), 0, SEEK_END) != 0) Fail(errno);
}

void OutputFile::Close() {
  std::FILE* file = file_.release();
  if (!file) return;
  errno = 0;
  int error = 0;
  if (std::fflush(file) != 0 || std::ferror(file)) error = errno ? errno : EIO;
  if (std::fclose(file) != 0 && error == 0) error = errno ? errno : EIO;
  if (error != 0) Fail(error);
}

void OutputFile::Fail(int error) const {
  throw FatalError(WriteFailureText(path_, error ? error : EIO));
}

}  // namespace quillmoor
