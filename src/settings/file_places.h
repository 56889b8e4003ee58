#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmoor {

// Where the game's files are. The shipped set in `data` is only read; the
// player's own files go to `config` (Config.ini) and `user` (the best-times
// table, log.txt). A portable copy keeps all of them in `data`.
struct FilePlaces {
  std::filesystem::path data;
  std::filesystem::path config;
  std::filesystem::path user;
  std::filesystem::path logFile;

  // Everything in one Data folder, the log beside it.
  static FilePlaces Portable(const std::filesystem::path& data);
  bool IsPortable() const { return user == data; }
};

// The variables the base-directory rules look at; unset ones are empty.
struct UserEnvironment {
  std::string xdgConfigHome;
  std::string xdgDataHome;
  std::string home;
};

// This process's.
UserEnvironment CurrentUserEnvironment();

struct PlaceRequest {
  std::filesystem::path programDirectory;
  std::optional<std::filesystem::path> dataOption;  // --data
  std::optional<std::filesystem::path> userOption;  // --user-dir
  UserEnvironment environment;
};

inline constexpr std::string_view kPlacesFolder = "quillmoor";

// Data is --data, else Data beside the program, else the installed
// ../share/quillmoor/Data. The player's files stay in Data when it is
// writable and not the installed one; otherwise they follow --user-dir or
// the XDG base directories.
FilePlaces FindFilePlaces(const PlaceRequest& request);

// The player's copy of a file when there is one, else the shipped one.
std::filesystem::path FileToRead(const std::filesystem::path& playerFolder,
                                 const std::filesystem::path& shippedFolder,
                                 std::string_view name);

std::filesystem::path ConfigFileToRead(const FilePlaces& places);
std::filesystem::path ConfigFileToWrite(const FilePlaces& places);

}  // namespace quillmoor
