#pragma once

#include <string_view>

#include "besttimes/best_times_file.h"
#include "support/temp_dir.h"

namespace quillmoor::test {

inline const NameRows kSomeNames = {"", "Аня", "Bo", "Вий", "Dee"};
inline const TimeRows kSomeTimes = {0, 150, 165, 180, 200};

// The Data folder the build generated.
std::filesystem::path GeneratedData();

// A Data folder the game starts with: the generated models and images, the
// map and a best-times table.
void WriteDataSet(const TempDir& dir, std::string_view map = "0",
                  const NameRows& names = kSomeNames, const TimeRows& times = kSomeTimes);

}  // namespace quillmoor::test
