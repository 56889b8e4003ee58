#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace quillmoor::test {

inline bool InCi() {
  const char* ci = std::getenv("CI");
  return ci && std::string_view(ci) == "true";
}

}  // namespace quillmoor::test

// A test that needs GL, OpenAL or a display skips on a machine without one,
// but fails in CI (CI=true), where a missing one means a broken install.
#define QUILLMOOR_SKIP_OUTSIDE_CI(why)                     \
  do {                                                     \
    if (::quillmoor::test::InCi()) {                       \
      FAIL() << "CI has everything a test needs: " << why; \
    } else {                                               \
      GTEST_SKIP() << why;                                 \
    }                                                      \
  } while (false)
