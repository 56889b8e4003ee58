#include "settings/file_places.h"

#include <system_error>

#include "platform/files.h"

namespace quillmoor {

namespace {

bool Exists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// A base directory from its variable, or HOME/fallback; relative values are
// ignored as the rules say.
std::filesystem::path BaseFolder(const std::string& variable, const std::string& home,
                                 const char* fallback) {
  const std::filesystem::path set(variable);
  if (set.is_absolute()) return set;
  return std::filesystem::path(home.empty() ? "/" : home) / fallback;
}

}  // namespace

UserEnvironment CurrentUserEnvironment() {
  return {EnvironmentValue("XDG_CONFIG_HOME"), EnvironmentValue("XDG_DATA_HOME"), HomeFolder()};
}

FilePlaces FilePlaces::Portable(const std::filesystem::path& data) {
  return {data, data, data, data.parent_path() / "log.txt"};
}

FilePlaces FindFilePlaces(const PlaceRequest& request) {
  bool installed = false;
  std::filesystem::path data;
  if (request.dataOption) {
    data = *request.dataOption;
  } else if (std::optional<std::filesystem::path> beside =
                 FindEntry(request.programDirectory, "Data")) {
    data = *beside;
  } else if (const std::filesystem::path shared =
                 request.programDirectory / ".." / "share" / kPlacesFolder / "Data";
             Exists(shared)) {
    data = shared.lexically_normal();
    installed = true;
  } else {
    data = request.programDirectory / "Data";
  }

  if (request.userOption) {
    const std::filesystem::path& user = *request.userOption;
    return {data, user, user, user / "log.txt"};
  }
  // A folder that is missing altogether is reported as such by the game.
  if (!installed && (!Exists(data) || IsWritableFolder(data))) return FilePlaces::Portable(data);

  const UserEnvironment& env = request.environment;
  const std::filesystem::path config =
      BaseFolder(env.xdgConfigHome, env.home, ".config") / kPlacesFolder;
  const std::filesystem::path user =
      BaseFolder(env.xdgDataHome, env.home, ".local/share") / kPlacesFolder;
  return {data, config, user, user / "log.txt"};
}

std::filesystem::path FileToRead(const std::filesystem::path& playerFolder,
                                 const std::filesystem::path& shippedFolder,
                                 std::string_view name) {
  if (std::optional<std::filesystem::path> own = FindEntry(playerFolder, name)) return *own;
  return DataFilePath(shippedFolder, name);
}

std::filesystem::path ConfigFileToRead(const FilePlaces& places) {
  return FileToRead(places.config, places.data, "Config.ini");
}

std::filesystem::path ConfigFileToWrite(const FilePlaces& places) {
  return DataFilePath(places.config, "Config.ini");
}

}  // namespace quillmoor
