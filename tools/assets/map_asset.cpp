#include "assets/map_asset.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace quillmoor::assets {

namespace {

constexpr int kGreen = 0, kRed = 1;
constexpr int kWallSpacing = 20;  // degrees between the reds of a wall: no way through

struct Pad {
  int dist;
  int kind;
  int angle;  // degrees, -80..80, where the craft can reach
};

// The track is laid out in sections; the craft turns about 2.5 to 3 degrees
// per unit of track, so every pattern leaves room to steer from one pad to
// the next. A pad is felt within 12 degrees either side of the craft.
class Track {
 public:
  void Add(int dist, int kind, int angle) { pads_.push_back({dist, kind, angle}); }

  // Pads one after another along a line.
  void Line(int from, int count, int spacing, int angle) {
    for (int k = 0; k < count; ++k) Add(from + k * spacing, kGreen, angle);
  }

  // Boosts along a gentle wave around the bottom of the tube.
  void Wave(int from, int count, int spacing, int amplitude, int period) {
    for (int k = 0; k < count; ++k) {
      Add(from + k * spacing, kGreen, RoundedSine(amplitude, k, period));
    }
  }

  // Boosts that alternate from side to side; with guards, a red just beyond
  // each one catches the craft that swings too far.
  void Slalom(int from, int count, int spacing, int swing, bool guarded) {
    for (int k = 0; k < count; ++k) {
      const int side = k % 2 == 0 ? -1 : 1;
      Add(from + k * spacing, kGreen, side * swing);
      if (guarded) Add(from + k * spacing, kRed, side * 78);
    }
  }

  // Two reds with a boost between them: threading it pays, missing it costs.
  void Gate(int dist, int centre) {
    Add(dist, kRed, centre - 26);
    Add(dist, kGreen, centre);
    Add(dist, kRed, centre + 26);
  }

  // Reds right across the tube but for one gap, a boost waiting in the gap.
  void Wall(int dist, int gap) {
    for (int angle = -80; angle <= 80; angle += kWallSpacing) {
      if (std::abs(angle - gap) >= 30) Add(dist, kRed, angle);
    }
    Add(dist, kGreen, gap);
  }

  // A boost with a red trap beside it, on the given side.
  void Trap(int dist, int angle, int side) {
    Add(dist, kGreen, angle);
    Add(dist, kRed, angle + side * 28);
  }

  // A lane between two lines of reds that winds along a sine, boosts down
  // its middle now and then.
  void Corridor(int from, int length, int amplitude, int period) {
    for (int d = 0; d <= length; d += 30) {
      const int centre = RoundedSine(amplitude, d, period);
      Add(from + d, kRed, centre - 30);
      Add(from + d, kRed, centre + 30);
      if (d % 90 == 60) Add(from + d, kGreen, centre);
    }
  }

  std::vector<Pad> Sorted() const {
    std::vector<Pad> pads = pads_;
    std::sort(pads.begin(), pads.end(), [](const Pad& a, const Pad& b) {
      return std::tie(a.dist, a.angle, a.kind) < std::tie(b.dist, b.angle, b.kind);
    });
    return pads;
  }

 private:
  static int RoundedSine(int amplitude, int step, int period) {
    return static_cast<int>(std::lround(amplitude * std::sin(6.283185307179586 * step / period)));
  }

  std::vector<Pad> pads_;
};

std::vector<Pad> DesignedTrack() {
  Track track;
  // Warm-up: boosts down the middle while the craft gathers speed.
  track.Line(100, 8, 70, 0);
  // First turns: boosts a little to either side.
  for (int k = 0; k < 6; ++k) {
    track.Add(660 + 60 * k, kGreen, (k % 2 == 0 ? -1 : 1) * (20 + 10 * (k / 2)));
  }
  // First reds, each beside a boost.
  constexpr std::array<int, 8> kTrapAngles = {0, 25, -25, 45, -45, 10, -10, 30};
  for (int k = 0; k < 8; ++k) track.Trap(1050 + 100 * k, kTrapAngles[k], k % 2 == 0 ? 1 : -1);
  // A slalom.
  track.Slalom(1850, 15, 45, 35, false);
  // Gates, wandering across the tube.
  constexpr std::array<int, 10> kGateCentres = {0, -30, 30, -50, 50, -20, 20, 0, -40, 40};
  for (int k = 0; k < 10; ++k) track.Gate(2600 + 80 * k, kGateCentres[k]);
  // Walls: find the gap.
  constexpr std::array<int, 5> kGaps = {-50, 40, -10, 60, -60};
  for (int k = 0; k < 5; ++k) track.Wall(3450 + 100 * k, kGaps[k]);
  // A long line of boosts to win back top speed.
  track.Wave(3950, 31, 25, 40, 16);
  // Boosts with a red waiting behind each in the same lane: take it, then
  // swerve towards the next.
  constexpr std::array<int, 7> kLureAngles = {0, 35, 0, -35, -70, -35, 0};
  for (int k = 0; k < 7; ++k) {
    track.Add(4800 + 90 * k, kGreen, kLureAngles[k]);
    track.Add(4816 + 90 * k, kRed, kLureAngles[k]);
  }
  // A wide slalom fenced by reds: do not swing too far.
  track.Slalom(5500, 20, 40, 45, true);
  // Gates again, closer together.
  constexpr std::array<int, 10> kFastGateCentres = {0, 35, -35, 15, -45, 45, -15, 30, -30, 0};
  for (int k = 0; k < 10; ++k) track.Gate(6400 + 55 * k, kFastGateCentres[k]);
  // A winding corridor of reds.
  track.Corridor(7000, 700, 40, 350);
  // Walls in quick succession.
  constexpr std::array<int, 7> kFastGaps = {50, -50, 20, -60, 60, -20, 0};
  for (int k = 0; k < 7; ++k) track.Wall(7800 + 90 * k, kFastGaps[k]);
  // The hard slalom: side to side across the tube, a red in the middle of
  // every other row for the craft that stops swinging.
  for (int k = 0; k < 16; ++k) {
    track.Add(8500 + 50 * k, kGreen, (k % 2 == 0 ? -1 : 1) * 60);
    if (k % 2 == 1) track.Add(8500 + 50 * k, kRed, 0);
  }
  // Home straight and an arch of boosts at the finish.
  track.Line(9350, 12, 50, 0);
  for (int angle = -80; angle <= 80; angle += 20) track.Add(9950, kGreen, angle);
  return track.Sorted();
}

}  // namespace

std::string MapText() {
  constexpr char kRecord = 30, kField = 31;
  const std::vector<Pad> pads = DesignedTrack();
  std::string text = std::to_string(pads.size());
  for (const Pad& pad : pads) {
    text += kRecord;
    text += std::to_string(pad.dist) + kField + std::to_string(pad.kind) + kField +
            std::to_string(pad.angle);
  }
  return text;
}

}  // namespace quillmoor::assets
