// The ghost file: what is written reads back, and nothing else is taken.

#include "ghost/ghost_file.h"

#include <gmock/gmock.h>

#include <cstring>
#include <limits>

namespace quillmoor {
namespace {

using ::testing::HasSubstr;

constexpr std::uint64_t kTrack = 0x0123456789abcdefULL;

GhostRun SomeRun() {
  GhostRun run{kTrack, 12.34f, {}};
  for (int i = 1; i <= 50; ++i) {
    const float d = 0.001f * float(i * i);
    run.Samples.push_back({d, float(i % 360), float(i % 180) - 90, std::uint8_t(i % 3), 0.002f * float(i)});
  }
  return run;
}

// The reason the bytes were refused; empty when they were read.
std::string Refusal(std::string_view bytes, std::uint64_t track = kTrack) {
  const auto read = DecodeGhost(bytes, track);
  const auto* why = std::get_if<std::string>(&read);
  return why ? *why : "";
}

// The bytes with the checksum made right again after a change.
std::string Resealed(std::string bytes) {
  bytes.resize(bytes.size() - 8);
  const std::uint64_t sum = Fnv1a64(bytes);
  for (int i = 0; i < 8; ++i) bytes.push_back(char((sum >> (8 * i)) & 0xFF));
  return bytes;
}

TEST(GhostFile, WhatIsWrittenReadsBackTheSame) {
  const GhostRun run = SomeRun();
  const std::string bytes = EncodeGhost(run);
  EXPECT_EQ(bytes.size(), 28u + 50u * 17u + 8u);
  EXPECT_TRUE(bytes.starts_with(kGhostMagic));
  const auto read = DecodeGhost(bytes, kTrack);
  ASSERT_TRUE(std::holds_alternative<GhostRun>(read)) << std::get<std::string>(read);
  EXPECT_EQ(std::get<GhostRun>(read), run);
  EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ULL);
  EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
  EXPECT_EQ(GhostFileIn("/p", kTrack), "/p/ghost-0123456789abcdef.qmg");
}

TEST(GhostFile, ABadFileIsRefusedWithItsReason) {
  const std::string good = EncodeGhost(SomeRun());
  std::string otherVersion = good;
  otherVersion[8] = 2;
  std::string flipped = good;
  flipped[100] ^= 0x40;
  std::string tooManyTicks = good;
  std::memset(&tooManyTicks[20], 0xFF, 4);
  std::string badThrottle = good;
  badThrottle[28 + 16] = 7;
  std::string notANumber = good;
  std::memset(&notANumber[28], 0xFF, 4);

  EXPECT_THAT(Refusal("Ch1"), HasSubstr("не файл призрака"));
  EXPECT_THAT(Refusal(good.substr(0, good.size() - 1)), HasSubstr("обрезан"));
  EXPECT_THAT(Refusal(good + "x"), HasSubstr("лишние байты"));
  EXPECT_THAT(Refusal(good, kTrack + 1), HasSubstr("другой трассы"));
  EXPECT_THAT(Refusal(otherVersion), HasSubstr("другой версии"));
  EXPECT_THAT(Refusal(flipped), HasSubstr("контрольная сумма"));
  EXPECT_THAT(Refusal(Resealed(tooManyTicks)), HasSubstr("число тактов"));
  EXPECT_THAT(Refusal(Resealed(badThrottle)), HasSubstr("неверные данные"));
  EXPECT_THAT(Refusal(Resealed(notANumber)), HasSubstr("неверные данные"));
  // Cut anywhere, it is refused and never read past its end.
  for (std::size_t size = 0; size < good.size(); ++size) {
    EXPECT_NE(Refusal(good.substr(0, size)), "") << size;
  }
}

}  // namespace
}  // namespace quillmoor
