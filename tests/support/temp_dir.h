#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillmoor::test {

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes bytes to a file under the folder, making folders on the way.
  std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadAll(const std::filesystem::path& file);

}  // namespace quillmoor::test
