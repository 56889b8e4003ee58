#include "shell/trace.h"

#include <charconv>
#include <concepts>

#include "shell/game.h"

namespace quillmoor {

namespace {

constexpr std::string_view kHeader =
    "tick,GameState,CameraMode,Speed,Distance,RaceTime,CraftAngle,CraftAngleSigned,ThrottleState,"
    "TurnRate,FieldOfView,LiftOffset,AtTopSpeed,GreenContact,RedContact,VisibleCount,"
    "PickupActive,PickupZ,PickupAngle,TintActive,TintTicks,AsteroidActive,AsteroidX,AsteroidZ,"
    "BlinkOn,Flicker,EyeX,EyeY,EyeZ,AtX,AtY,AtZ,MenuItemState,MenuVisible,IntroActive,"
    "CanContinue,Exiting,ShowRaceResult,NewRecordRank,MenuPulse,TintPhase,CycleRed,CycleGreen,"
    "CycleBlue,FlyerX,FlyerZ,Label4\n";

// Each value is followed by a comma; the row's last one becomes the line end.
template <std::floating_point T>
void Put(std::string& row, T value) {
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

TraceWriter::TraceWriter(const std::filesystem::path& path) : file_(path) {
  file_.Write(kHeader);
}

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
  row_ += game.net.Label4;  // the link's status text, never holding a comma
  row_ += '\n';
  file_.Write(row_);
}

FrameTraceWriter::FrameTraceWriter(const std::filesystem::path& path) : file_(path) {
  file_.Write("frame,ms,tick,fraction,EyeX,EyeY,EyeZ,AtX,AtY,AtZ,Distance,CraftAngle\n");
}

void FrameTraceWriter::Row(std::int64_t frame, double milliseconds, std::int64_t tick,
                           float fraction, const Game& game) {
  const CameraPoints& camera = game.graphics.Camera;
  row_.clear();
  Put(row_, frame);
  Put(row_, milliseconds);
  Put(row_, tick);
  for (float value : {fraction, camera.EyeX, camera.EyeY, camera.EyeZ, camera.AtX, camera.AtY,
                      camera.AtZ, game.sim.Distance, game.sim.ObjectSlots[3].Angle}) {
    Put(row_, value);
  }
  row_.back() = '\n';
  file_.Write(row_);
}

}  // namespace quillmoor
