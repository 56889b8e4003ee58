#include "shell/trace.h"

#include <cerrno>
#include <charconv>
#include <concepts>
#include <cstring>

#include "platform/fatal_error.h"
#include "shell/game.h"

namespace quillmoor {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

constexpr std::string_view kHeader =
    "tick,GameState,CameraMode,Speed,Distance,RaceTime,CraftAngle,CraftAngleSigned,ThrottleState,"
    "TurnRate,FieldOfView,LiftOffset,AtTopSpeed,GreenContact,RedContact,VisibleCount,"
    "PickupActive,PickupZ,PickupAngle,TintActive,TintTicks,AsteroidActive,AsteroidX,AsteroidZ,"
    "BlinkOn,Flicker,EyeX,EyeY,EyeZ,AtX,AtY,AtZ,MenuItemState,MenuVisible,IntroActive,"
    "CanContinue,Exiting,ShowRaceResult,NewRecordRank,MenuPulse,TintPhase,CycleRed,CycleGreen,"
    "CycleBlue,FlyerX,FlyerZ\n";

// Each value is followed by a comma; the row's last one becomes the line end.
void Put(std::string& row, float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9);
  row.append(text, end.ptr);
  row += ',';
}

void Put(std::string& row, bool value) {
  row += value ? '1' : '0';
  row += ',';
}

void AppendWhole(std::string& row, std::int64_t value) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, value);
  row.append(text, end.ptr);
}

template <std::integral T>
void Put(std::string& row, T value) {
  AppendWhole(row, value);
  row += ',';
}

}  // namespace

TraceWriter::TraceWriter(const std::filesystem::path& path)
    : path_(path), buffer_(std::make_unique<char[]>(kBufferSize)) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  if (!file_) Fail(errno);
  std::setvbuf(file_.get(), buffer_.get(), _IOFBF, kBufferSize);
  Write(kHeader);
}

TraceWriter::~TraceWriter() = default;

void TraceWriter::Row(std::int64_t tick, const Game& game) {
  const SimulationState& sim = game.sim;
  const CameraPoints& camera = game.graphics.Camera;
  row_.clear();
  Put(row_, tick);
  Put(row_, sim.GameState);
  Put(row_, sim.CameraMode);
  Put(row_, sim.Speed);
  Put(row_, sim.Distance);
  Put(row_, sim.RaceTime);
  Put(row_, sim.CraftAngle);
  Put(row_, sim.CraftAngleSigned);
  Put(row_, sim.ThrottleState);
  Put(row_, sim.TurnRate);
  Put(row_, game.graphics.FieldOfView);
  Put(row_, sim.LiftOffset);
  Put(row_, sim.AtTopSpeed);
  Put(row_, sim.GreenContact);
  Put(row_, sim.RedContact);
  Put(row_, sim.VisibleCount);
  Put(row_, sim.PickupActive);
  Put(row_, sim.PickupZ);
  Put(row_, sim.PickupAngle);
  Put(row_, sim.TintActive);
  Put(row_, sim.TintTicks);
  Put(row_, sim.AsteroidActive);
  Put(row_, sim.AsteroidX);
  Put(row_, sim.AsteroidZ);
  Put(row_, sim.BlinkOn);
  Put(row_, sim.Flicker);
  for (const float value :
       {camera.EyeX, camera.EyeY, camera.EyeZ, camera.AtX, camera.AtY, camera.AtZ}) {
    Put(row_, value);
  }
  for (const std::uint8_t state : sim.MenuItemState) AppendWhole(row_, state);  // item 0 first
  row_ += ',';
  Put(row_, sim.MenuVisible);
  Put(row_, sim.IntroActive);
  Put(row_, sim.CanContinue);
  Put(row_, sim.Exiting);
  Put(row_, sim.ShowRaceResult);
  Put(row_, game.best.NewRecordRank);
  Put(row_, sim.MenuPulse);
  Put(row_, sim.TintPhase);
  Put(row_, sim.CycleRed);
  Put(row_, sim.CycleGreen);
  Put(row_, sim.CycleBlue);
  Put(row_, sim.FlyerPos.X);
  Put(row_, sim.FlyerPos.Z);
  row_.back() = '\n';
  Write(row_);
}

void TraceWriter::Close() {
  std::FILE* file = file_.release();
  if (!file) return;
  errno = 0;
  int error = 0;
  if (std::fflush(file) != 0 || std::ferror(file)) error = errno ? errno : EIO;
  if (std::fclose(file) != 0 && error == 0) error = errno ? errno : EIO;
  if (error != 0) Fail(error);
}

void TraceWriter::Write(std::string_view text) {
  if (!file_) return;
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) Fail(errno);
}

void TraceWriter::Fail(int error) const {
  throw FatalError("Не удаётся записать файл " + path_.string() + ": " + std::strerror(error) +
                   '.');
}

}  // namespace quillmoor
