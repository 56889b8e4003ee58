#pragma once

#include <cstddef>

namespace quillmoor::assets::sounds {

// Runs step(index, keep) over a loop twice around: the first turn only fills
// the state of the filters or echoes inside `step`, the second keeps their
// output. What dies away within one turn then ends exactly where the loop
// starts, so the seam cannot click.
template <typename Step>
void TwiceAround(std::size_t length, Step step) {
  for (int turn = 0; turn < 2; ++turn) {
    for (std::size_t i = 0; i < length; ++i) step(i, turn == 1);
  }
}

}  // namespace quillmoor::assets::sounds
