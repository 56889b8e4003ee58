#include "shell/trace.h"

#include <charconv>
#include <concepts>
#include <string>

#include "state/game.h"

namespace quillmoor {

namespace {

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

// The link's status text, which never holds a comma.
void Put(std::string& row, const std::string& text) {
  row += text;
  row += ',';
}

// The menu items' states as one number, item 0 first.
void PutMenuItems(std::string& row, const SimulationState& sim) {
  for (const std::uint8_t state : sim.MenuItemState) AppendWhole(row, state);
  row += ',';
}

// A trace column: its name in the header and how its value is written.
struct Column {
  std::string_view name;
  void (*put)(std::string& row, const Game& game);
};

// A column by name and value; the state's own fields are named after
// themselves, so a name is never written twice.
#define QUILLMOOR_COLUMN(name, value) \
  Column { name, [](std::string& row, const Game& game) { Put(row, value); } }
#define QUILLMOOR_SIM(field) QUILLMOOR_COLUMN(#field, game.sim.field)
#define QUILLMOOR_CAMERA(field) QUILLMOOR_COLUMN(#field, game.graphics.Camera.field)

const Column kColumns[] = {
    QUILLMOOR_SIM(GameState),
    QUILLMOOR_SIM(CameraMode),
    QUILLMOOR_SIM(Speed),
    QUILLMOOR_SIM(Distance),
    QUILLMOOR_SIM(RaceTime),
    QUILLMOOR_SIM(CraftAngle),
    QUILLMOOR_SIM(CraftAngleSigned),
    QUILLMOOR_SIM(ThrottleState),
    QUILLMOOR_SIM(TurnRate),
    QUILLMOOR_COLUMN("FieldOfView", game.graphics.FieldOfView),
    QUILLMOOR_SIM(LiftOffset),
    QUILLMOOR_SIM(AtTopSpeed),
    QUILLMOOR_SIM(GreenContact),
    QUILLMOOR_SIM(RedContact),
    QUILLMOOR_SIM(VisibleCount),
    QUILLMOOR_SIM(PickupActive),
    QUILLMOOR_SIM(PickupZ),
    QUILLMOOR_SIM(PickupAngle),
    QUILLMOOR_SIM(TintActive),
    QUILLMOOR_SIM(TintTicks),
    QUILLMOOR_SIM(AsteroidActive),
    QUILLMOOR_SIM(AsteroidX),
    QUILLMOOR_SIM(AsteroidZ),
    QUILLMOOR_SIM(BlinkOn),
    QUILLMOOR_SIM(Flicker),
    QUILLMOOR_CAMERA(EyeX),
    QUILLMOOR_CAMERA(EyeY),
    QUILLMOOR_CAMERA(EyeZ),
    QUILLMOOR_CAMERA(AtX),
    QUILLMOOR_CAMERA(AtY),
    QUILLMOOR_CAMERA(AtZ),
    {"MenuItemState", [](std::string& row, const Game& game) { PutMenuItems(row, game.sim); }},
    QUILLMOOR_SIM(MenuVisible),
    QUILLMOOR_SIM(IntroActive),
    QUILLMOOR_SIM(CanContinue),
    QUILLMOOR_SIM(Exiting),
    QUILLMOOR_SIM(ShowRaceResult),
    QUILLMOOR_COLUMN("NewRecordRank", game.best.NewRecordRank),
    QUILLMOOR_SIM(MenuPulse),
    QUILLMOOR_SIM(TintPhase),
    QUILLMOOR_SIM(CycleRed),
    QUILLMOOR_SIM(CycleGreen),
    QUILLMOOR_SIM(CycleBlue),
    QUILLMOOR_COLUMN("FlyerX", game.sim.FlyerPos.X),
    QUILLMOOR_COLUMN("FlyerZ", game.sim.FlyerPos.Z),
    QUILLMOOR_COLUMN("Label4", game.net.Label4),
};

// The frame trace's columns after frame, ms, tick and fraction.
const Column kFrameColumns[] = {
    QUILLMOOR_CAMERA(EyeX), QUILLMOOR_CAMERA(EyeY), QUILLMOOR_CAMERA(EyeZ),
    QUILLMOOR_CAMERA(AtX),  QUILLMOOR_CAMERA(AtY),  QUILLMOOR_CAMERA(AtZ),
    QUILLMOOR_SIM(Distance), QUILLMOOR_COLUMN("CraftAngle", game.sim.ObjectSlots[3].Angle),
};

#undef QUILLMOOR_CAMERA
#undef QUILLMOOR_SIM
#undef QUILLMOOR_COLUMN

template <std::size_t N>
std::string Header(std::string header, const Column (&columns)[N]) {
  for (const Column& column : columns) (header += ',') += column.name;
  return header + '\n';
}

}  // namespace

TraceWriter::TraceWriter(const std::filesystem::path& path) : file_(path) {
  file_.Write(Header("tick", kColumns));
}

void TraceWriter::Row(std::int64_t tick, const Game& game) {
  row_.clear();
  Put(row_, tick);
  for (const Column& column : kColumns) column.put(row_, game);
  row_.back() = '\n';
  file_.Write(row_);
}

FrameTraceWriter::FrameTraceWriter(const std::filesystem::path& path) : file_(path) {
  file_.Write(Header("frame,ms,tick,fraction", kFrameColumns));
}

void FrameTraceWriter::Row(std::int64_t frame, double milliseconds, std::int64_t tick,
                           float fraction, const Game& game) {
  row_.clear();
  Put(row_, frame);
  Put(row_, milliseconds);
  Put(row_, tick);
  Put(row_, fraction);
  for (const Column& column : kFrameColumns) column.put(row_, game);
  row_.back() = '\n';
  file_.Write(row_);
}

}  // namespace quillmoor
