#include "shell/script.h"

#include <gmock/gmock.h>

#include <bit>
#include <cmath>
#include <limits>
#include <tuple>

namespace quillmoor {
namespace {

using ::testing::HasSubstr;
using Kind = InputEvent::Kind;

std::vector<ScriptEvent> Events(std::string_view text) {
  auto parsed = ParseScript(text);
  if (auto* error = std::get_if<std::string>(&parsed)) ADD_FAILURE() << *error;
  auto* script = std::get_if<Script>(&parsed);
  return script ? std::move(script->events) : std::vector<ScriptEvent>{};
}

std::string Error(std::string_view text) {
  const auto parsed = ParseScript(text);
  const auto* error = std::get_if<std::string>(&parsed);
  return error ? *error : "no error";
}

InputEvent Key(Kind kind, int key) { return {.kind = kind, .key = key, .text = {}}; }
InputEvent Pointer(Kind kind, float x, float y, MouseButton button = MouseButton::Left) {
  return {.kind = kind, .x = x, .y = y, .button = button, .key = 0, .text = {}};
}
InputEvent Text(std::string text) { return {.kind = Kind::TextInput, .text = std::move(text)}; }

// A focus or pad event; down is 1 for a button going down.
InputEvent Pad(Kind kind, std::string control, int valueOrDown) {
  return {.kind = kind, .text = std::move(control), .down = kind == Kind::PadButton && valueOrDown == 1,
          .value = kind == Kind::PadAxis ? valueOrDown : 0};
}

// Field by field, the coordinates bit for bit (-0 is not 0).
void ExpectSame(const InputEvent& actual, const InputEvent& expected) {
  const auto fields = [](const InputEvent& e) {
    return std::tuple(int(e.kind), std::bit_cast<std::uint32_t>(e.x),
                      std::bit_cast<std::uint32_t>(e.y), int(e.button), e.key, e.text, e.down,
                      e.value);
  };
  EXPECT_EQ(fields(actual), fields(expected));
}

// One event a tick from tick 1, each the same as expected.
void ExpectOnePerTick(const std::vector<ScriptEvent>& events, const std::vector<InputEvent>& expected) {
  ASSERT_EQ(events.size(), expected.size());
  for (std::size_t i = 0; i < events.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(events[i].tick, std::int64_t(i + 1));
    ExpectSame(events[i].event, expected[i]);
  }
}

TEST(Script, EveryEventKindInAnyCase) {
  ExpectOnePerTick(
      Events("1 down W\n2 UP backspace\n3 Move 12.5 -0.25\n4 click 400 300\n5 CLICK 1e2 7 Middle\n"
             "6 click 0 0 RIGHT\n7 Type Иван Петров\n8 QUIT\n"),
      {Key(Kind::KeyDown, vk::W), Key(Kind::KeyUp, vk::Back), Pointer(Kind::MouseMove, 12.5f, -0.25f),
       Pointer(Kind::MouseDown, 400, 300), Pointer(Kind::MouseDown, 100, 7, MouseButton::Middle),
       Pointer(Kind::MouseDown, 0, 0, MouseButton::Right), Text("Иван Петров"), InputEvent{}});
}

TEST(Script, SkipsCommentsAndBlankLinesAtEveryLineEnd) {
  const std::vector<ScriptEvent> events = Events(
      "# a comment\r\n\r\n  \t# an indented comment\r \t \n\t3 \t down\t  S  \r\n4 quit");
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].tick, 3);
  ExpectSame(events[0].event, Key(Kind::KeyDown, vk::S));
  EXPECT_EQ(events[1].tick, 4);
  for (const char* none : {"", "\n\n# nothing\n"}) EXPECT_TRUE(Events(none).empty()) << none;
  // CR LF is one line end; CR alone and LF alone are one each.
  EXPECT_EQ(Error("1 quit\r\n\r\n1 quit\r\r1 quit\n\n1 jump"),
            "script line 7: unknown event \"jump\"");
  // A byte-order mark in front of the first line is not part of it.
  EXPECT_EQ(Events("\xEF\xBB\xBF" "5 quit").size(), 1u);
}

TEST(Script, SortsByTickKeepingFileOrderWithinATick) {
  const std::vector<ScriptEvent> events =
      Events("30 down W\n10 type a\n30 up W\n10 type b\n20 quit\n10 type c\n");
  std::vector<std::string> order;
  for (const ScriptEvent& e : events) {
    order.push_back(std::to_string(e.tick) + (e.event.text.empty() ? "" : e.event.text) +
                    (e.event.kind == Kind::KeyUp ? "up" : ""));
  }
  EXPECT_THAT(order, ::testing::ElementsAre("10a", "10b", "10c", "20", "30", "30up"));
}

TEST(Script, TypeKeepsTheRestOfTheLineExactly) {
  for (const auto& [line, text] : {std::pair{"3 type  two  spaces  ", " two  spaces  "},
                                   {"3 type #not a comment\r\n", "#not a comment"},
                                   {"3 type\tx", "x"}, {"3   type   ", "  "}}) {
    EXPECT_EQ(Events(line)[0].event.text, text) << line;
  }
}

TEST(Script, BadLinesSayWhereAndWhat) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0 quit", "script line 1: the tick must be a whole number, 1 or more, not \"0\""},
      {"quit", "line 1: the tick must be a whole number, 1 or more, not \"quit\""},
      {"\n\n12", "script line 3: an event must follow the tick"},
      {"1 jump", "line 1: unknown event \"jump\""},
      {"1 down", "line 1: down needs a key"},
      {"1 up Q", "line 1: unknown key \"Q\""},
      {"1 down W S", "line 1: unexpected \"S\" after the event"},
      {"1 move 5", "line 1: move needs X and Y"},
      {"1 move 5 y", "line 1: \"y\" is not a coordinate"},
      {"1 move nan 1", "line 1: \"nan\" is not a coordinate"},
      {"1 move 1e39 1", "line 1: \"1e39\" is not a coordinate"},
      {"1 move 1 2 left", "line 1: unexpected \"left\" after the event"},
      {"1 click 1 2 side", "line 1: unknown button \"side\""},
      {"1 click 1 2 left 3", "line 1: unexpected \"3\" after the event"},
      {"1 type", "line 1: type needs text"},
      {"1 quit now", "line 1: unexpected \"now\" after the event"},
      {"1 quit\n2 down W\n3 up\n", "script line 3: up needs a key"},
      {"1 focus", "line 1: focus needs \"lost\""},
      {"1 pad button z down", "line 1: unknown pad button \"z\""},
      {"1 pad button a held", "line 1: pad button needs down or up"},
      {"1 pad axis leftx 32768", "line 1: pad axis needs a value from -32768 to 32767"},
      {"1 pad axis a 0", "line 1: unknown pad axis \"a\""},
      {"1 pad stick leftx 0", "line 1: pad needs button or axis"},
      {"1 quit\nCLOCK 86400\n", "script line 2: clock needs seconds"},
      {"clock 5 6\n", "script line 1: unexpected"},
  };
  for (const auto& [text, message] : cases) EXPECT_THAT(Error(text), HasSubstr(message)) << text;
  // Cut short, overlong, a surrogate, overlong again, past U+10FFFF.
  for (const char* text : {"\xD0", "\xC0\xAF", "\xED\xA0\x80", "\xE0\x80\x80", "\xF4\x90\x80\x80"}) {
    EXPECT_THAT(Error(std::string("1 type ") + text), HasSubstr("line 1: the text is not UTF-8"));
  }
}

TEST(Script, WrittenLinesReadBackToTheSameEvent) {
  const float tiny = std::numeric_limits<float>::denorm_min();
  const std::vector<InputEvent> events = {
      Key(Kind::KeyDown, vk::Escape), Key(Kind::KeyUp, vk::Return), Key(Kind::KeyDown, vk::R),
      Key(Kind::KeyUp, vk::F11),
      Pointer(Kind::MouseMove, 123.456789f, 0.1f), Pointer(Kind::MouseMove, -0.0f, 1.0f / 3.0f),
      Pointer(Kind::MouseMove, tiny, std::numeric_limits<float>::max()),
      Pointer(Kind::MouseDown, 799.999939f, 1e-7f, MouseButton::Right),
      Pointer(Kind::MouseDown, 400, 300, MouseButton::Middle),
      Text("Ёжик в тумане"), Text("  #x\t "), Text("ß€𝄞"), InputEvent{}, Pad(Kind::FocusLost, "", 0),
      Pad(Kind::PadButton, "dpleft", 1), Pad(Kind::PadButton, "start", 0),
      Pad(Kind::PadAxis, "leftx", -32768), Pad(Kind::PadAxis, "righttrigger", 32767)};
  std::string script;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const std::string line = ScriptLine(std::int64_t(i + 1), events[i]);
    ASSERT_FALSE(line.empty()) << i;
    script += line + "\n";
  }
  ExpectOnePerTick(Events(script), events);
}

TEST(Script, EventsTheFormatCannotHoldGiveNoLine) {
  EXPECT_EQ(ScriptLine(0, InputEvent{}), "");  // tick 0
  for (const InputEvent& event :
       {Key(Kind::KeyDown, 'Q'), Pointer(Kind::MouseMove, std::nanf(""), 1),
        Pointer(Kind::MouseDown, 1, INFINITY), Pointer(Kind::MouseDown, 1, 1, MouseButton(3)),
        Text(""), Text("a\nb"), Text("a\rb"), Text("\xFF"), Pad(Kind::PadButton, "leftx", 1),
        Pad(Kind::PadAxis, "a", 0), Pad(Kind::PadAxis, "lefty", 40000)}) {
    EXPECT_EQ(ScriptLine(5, event), "") << int(event.kind) << " " << event.text;
  }
}

TEST(ScriptClockTest, AClockLineSetsTheStartAndRoundTrips) {
  const double start = 45296.123456789012;
  const auto parsed = ParseScript(ClockLine(start) + "\n1 quit\n");
  ASSERT_TRUE(std::holds_alternative<Script>(parsed));
  EXPECT_EQ(std::get<Script>(parsed).clock, start);
  EXPECT_EQ(std::get<Script>(parsed).events.size(), 1u);
  EXPECT_FALSE(std::get<Script>(ParseScript("1 quit\n")).clock);
}

}  // namespace
}  // namespace quillmoor
