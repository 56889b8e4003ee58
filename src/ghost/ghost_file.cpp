#include "ghost/ghost_file.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace quillmoor {

namespace {

constexpr std::size_t kHeaderSize = 8 + 4 + 8 + 4 + 4;
constexpr std::size_t kSampleSize = 4 * 4 + 1;
constexpr std::size_t kChecksumSize = 8;

template <typename T>
void Put(std::string& out, T value) {
  using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
  Bits bits;
  if constexpr (std::is_floating_point_v<T>) {
    bits = std::bit_cast<Bits>(value);
  } else {
    bits = Bits(value);
  }
  for (std::size_t i = 0; i < sizeof(T); ++i) out.push_back(char((bits >> (8 * i)) & 0xFF));
}

// Reads little-endian values front to back; the caller has checked the length.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  template <typename Bits>
  Bits Unsigned() {
    Bits bits = 0;
    for (std::size_t i = 0; i < sizeof(Bits); ++i) {
      bits |= Bits(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    }
    at_ += sizeof(Bits);
    return bits;
  }
  float Single() { return std::bit_cast<float>(Unsigned<std::uint32_t>()); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(bytes_[at_++]); }
  void Skip(std::size_t count) { at_ += count; }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

bool SampleIsSane(const GhostSample& s) {
  return std::isfinite(s.Distance) && std::isfinite(s.CraftAngle) &&
         std::isfinite(s.CraftAngleSigned) && std::isfinite(s.Speed) && s.ThrottleState <= 2;
}

}  // namespace

std::string EncodeGhost(const GhostRun& run) {
  std::string out(kGhostMagic);
  Put(out, kGhostVersion);
  Put(out, run.TrackHash);
  Put(out, std::uint32_t(run.Samples.size()));
  Put(out, run.FinishTime);
  for (const GhostSample& s : run.Samples) {
    Put(out, s.Distance);
    Put(out, s.CraftAngle);
    Put(out, s.CraftAngleSigned);
    Put(out, s.Speed);
    out.push_back(char(s.ThrottleState));
  }
  Put(out, Fnv1a64(out));
  return out;
}

bool LooksLikeGhost(std::string_view bytes) { return bytes.starts_with(kGhostMagic); }

std::variant<GhostRun, std::string> DecodeGhost(std::string_view bytes,
                                                std::uint64_t trackHash) {
  if (!LooksLikeGhost(bytes)) return std::string("не файл призрака");
  if (bytes.size() < kHeaderSize + kChecksumSize) return std::string("файл обрезан");
  Reader header(bytes);
  header.Skip(kGhostMagic.size());
  if (header.Unsigned<std::uint32_t>() != kGhostVersion) {
    return std::string("файл другой версии игры");
  }
  GhostRun run;
  run.TrackHash = header.Unsigned<std::uint64_t>();
  const std::uint32_t ticks = header.Unsigned<std::uint32_t>();
  run.FinishTime = header.Single();
  if (ticks == 0 || ticks > kMaxGhostTicks) return std::string("неверное число тактов");
  const std::size_t size = kHeaderSize + std::size_t(ticks) * kSampleSize + kChecksumSize;
  if (bytes.size() < size) return std::string("файл обрезан");
  if (bytes.size() > size) return std::string("лишние байты в конце файла");
  Reader tail(bytes.substr(size - kChecksumSize));
  if (tail.Unsigned<std::uint64_t>() != Fnv1a64(bytes.substr(0, size - kChecksumSize))) {
    return std::string("контрольная сумма не сходится");
  }
  if (run.TrackHash != trackHash) return std::string("призрак другой трассы");
  if (!std::isfinite(run.FinishTime) || run.FinishTime <= 0) {
    return std::string("неверное время заезда");
  }
  run.Samples.resize(ticks);
  for (GhostSample& s : run.Samples) {
    s.Distance = header.Single();
    s.CraftAngle = header.Single();
    s.CraftAngleSigned = header.Single();
    s.Speed = header.Single();
    s.ThrottleState = header.Byte();
    if (!SampleIsSane(s)) return std::string("неверные данные заезда");
  }
  return run;
}

std::filesystem::path GhostFileIn(const std::filesystem::path& folder, std::uint64_t trackHash) {
  char name[40];
  std::snprintf(name, sizeof name, "ghost-%016llx.qmg",
                static_cast<unsigned long long>(trackHash));
  return folder / name;
}

}  // namespace quillmoor
