// Every file of the generated Data folder reads through the game's loaders,
// and generating it again gives the same bytes.

#include <gtest/gtest.h>

#include "assets/best_times_asset.h"
#include "assets/images/images.h"
#include "assets/map_asset.h"
#include "assets/models/models.h"
#include "assets/sounds/sounds.h"
#include "besttimes/best_times_file.h"
#include "platform/image_file.h"
#include "platform/model_file.h"
#include "shell/map_file.h"
#include "support/data_set.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

TEST(GeneratedData, EveryFileLoadsAndIsGeneratedAlike) {
  const test::TempDir again;
  assets::WriteModels(again.path());
  assets::WriteModelTextures(again.path());
  assets::WriteInterfaceImages(again.path());
  assets::WriteSounds(again.path());
  again.Write("map.res", assets::MapText());
  again.Write("Ch1.res", assets::BestNamesFile());
  again.Write("Ch2.res", assets::BestTimesFile());
  XFileReader reader;
  int models = 0, images = 0, sounds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(test::GeneratedData())) {
    const std::filesystem::path& file = entry.path();
    const std::string name = file.filename().string();
    SCOPED_TRACE(name);
    const std::string bytes = test::ReadAll(file);
    if (file.extension() == ".x" || file.extension() == ".X") {
      EXPECT_TRUE(reader.ReadFile(file));
      ++models;
    } else if (name.starts_with("t-") || name.starts_with("i-")) {
      EXPECT_TRUE(ReadImageFile(file));
      ++images;
    } else if (name.starts_with("s-")) {
      EXPECT_EQ(bytes.substr(0, 4), "RIFF");
      EXPECT_EQ(bytes.substr(8, 4), "WAVE");
      ++sounds;
    } else if (name == "map.res") {
      EXPECT_GT(ParseMap(bytes, file).MapObjectCount, 0);
    } else if (name == "Ch1.res") {
      EXPECT_TRUE(DecodeNames(bytes, file));
    } else if (name == "Ch2.res") {
      EXPECT_TRUE(DecodeTimes(bytes, file));
    } else {
      ADD_FAILURE() << "a file the game does not read";
    }
    EXPECT_TRUE(bytes == test::ReadAll(again.path() / name)) << "generated differently";
  }
  EXPECT_EQ(std::tuple(models, images, sounds), std::tuple(10, 19, 10));
}

}  // namespace
}  // namespace quillmoor
