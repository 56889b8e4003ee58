// Each folder of src includes only itself and the folders below it; the
// table mirrors the libraries' links in CMakeLists.txt.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"platform", {}},
    {"settings", {"platform"}},
    {"state", {"platform", "settings"}},
    {"besttimes", {"platform", "settings", "state"}},
    {"ghost", {"platform", "settings", "state"}},
    {"graphics", {"platform", "state"}},
    {"net", {"platform", "settings", "state"}},
    {"sound", {"platform", "state"}},
    {"simulation",
     {"platform", "settings", "state", "besttimes", "ghost", "graphics", "net", "sound"}},
    {"frame", {"platform", "settings", "state", "graphics"}},
    {"input", {"platform", "settings", "state", "besttimes", "sound", "simulation"}},
    {"shell",
     {"platform", "settings", "state", "besttimes", "ghost", "graphics", "net", "sound",
      "simulation", "frame", "input"}},
};

// "folder/file.h" includes that break the table, as "file: include".
std::vector<std::string> IncludesAgainstTheLayers(const fs::path& src) {
  const std::regex include(R"re(^\s*#\s*include\s*"([^/"]+)/)re");
  std::vector<std::string> wrong;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const std::string folder = fs::relative(entry.path(), src).begin()->string();
    const auto allowed = kMayInclude.find(folder);
    if (allowed == kMayInclude.end()) {
      if (entry.path().parent_path() != src) wrong.push_back(folder + ": a folder with no layer");
      continue;
    }
    std::ifstream file(entry.path());
    std::string line;
    std::smatch match;
    while (std::getline(file, line)) {
      if (!std::regex_search(line, match, include)) continue;
      const std::string target = match[1];
      if (target != folder && !allowed->second.contains(target)) {
        wrong.push_back(fs::relative(entry.path(), src).string() + ": " + target);
      }
    }
  }
  return wrong;
}

TEST(Layering, EveryFolderIncludesOnlyTheFoldersBelowIt) {
  EXPECT_THAT(IncludesAgainstTheLayers(QUILLMOOR_SOURCE_DIR "/src"), ::testing::IsEmpty());
}

}  // namespace
