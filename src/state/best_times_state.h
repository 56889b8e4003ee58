#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quillmoor {

inline constexpr int kBestTimesRows = 4;

// The best-times table in memory, rows 1..4 (row 0 is not used).
struct BestTimesState {
  std::array<std::string, kBestTimesRows + 1> BestNames;  // UTF-8
  std::array<float, kBestTimesRows + 1> BestTimes{};      // seconds, smaller is better
  std::uint8_t NewRecordRank = 0;  // 1..4: the row the last race takes; 5: none
  bool RecordCheckDue = false;
};

}  // namespace quillmoor
