#include "input/key_bindings.h"

#include <gmock/gmock.h>

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A game event as "down W", "up W", "type x".
std::string Describe(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::KeyDown: return "down " + KeyName(event.key);
    case InputEvent::Kind::KeyUp: return "up " + KeyName(event.key);
    case InputEvent::Kind::TextInput: return "type " + event.text;
    default: return "other";
  }
}

class KeyTranslatorTest : public ::testing::Test {
 protected:
  std::vector<std::string> Down(int key, bool alt = false, bool repeat = false) {
    return Send(
        {.kind = InputEvent::Kind::KeyDown, .key = key, .alt = alt, .repeat = repeat, .text = {}});
  }
  std::vector<std::string> Up(int key) {
    return Send({.kind = InputEvent::Kind::KeyUp, .key = key, .text = {}});
  }
  std::vector<std::string> Type(std::string text) {
    return Send({.kind = InputEvent::Kind::TextInput, .text = std::move(text)});
  }
  std::vector<std::string> Send(const InputEvent& event) {
    std::vector<std::string> out;
    if (const auto e = translator_.Translate(event, bindings_, nameBox_)) {
      out.push_back(Describe(*e));
    }
    return out;
  }

  KeyTranslator translator_;
  Bindings bindings_ = DefaultBindings();
  bool nameBox_ = false;
};

TEST_F(KeyTranslatorTest, AnActionsKeysHoldItsGameKeyUntilTheLastIsUpAndRebindingMovesThem) {
  EXPECT_THAT(Down(vk::Up), ElementsAre("down W"));
  EXPECT_THAT(Down(vk::W), ElementsAre("down W"));
  EXPECT_THAT(Up(vk::Up), IsEmpty());
  EXPECT_THAT(Up(vk::W), ElementsAre("up W"));
  // Keys no action has, and keys that never went down, give nothing.
  EXPECT_THAT(Down('Q'), IsEmpty());
  EXPECT_THAT(Up('Q'), IsEmpty());
  EXPECT_THAT(Up(vk::Left), IsEmpty());

  // A rebinding moves the action to the new key.
  bindings_[std::size_t(Action::Accelerate)].keys = {KeyChord{'I'}, KeyChord{}};
  EXPECT_THAT(Down(vk::W), IsEmpty());
  EXPECT_THAT(Down('I'), ElementsAre("down W"));
  EXPECT_THAT(Up('I'), ElementsAre("up W"));
}

TEST_F(KeyTranslatorTest, AltEnterSwitchesFullScreenNotTheCamera) {
  EXPECT_THAT(Down(vk::Return, /*alt=*/true), ElementsAre("down F11"));
  EXPECT_THAT(Up(vk::Return), ElementsAre("up F11"));
  EXPECT_THAT(Down(vk::Return), ElementsAre("down Return"));
  // Alt with a key that has no Alt binding is that key.
  EXPECT_THAT(Down(vk::W, /*alt=*/true), ElementsAre("down W"));
}

TEST_F(KeyTranslatorTest, AKeyHeldWhenTheNameBoxOpensTypesNothingUntilReleased) {
  EXPECT_THAT(Down(vk::W), ElementsAre("down W"));
  nameBox_ = true;
  EXPECT_THAT(Down(vk::W, false, /*repeat=*/true), IsEmpty());
  EXPECT_THAT(Type("w"), IsEmpty());
  EXPECT_THAT(Down('B'), IsEmpty());  // no action; its text comes
  EXPECT_THAT(Type("и"), ElementsAre("type и"));
  EXPECT_THAT(Up(vk::W), ElementsAre("up W"));
  EXPECT_THAT(Down(vk::W), ElementsAre("down W"));
  EXPECT_THAT(Type("w"), ElementsAre("type w"));
}

TEST_F(KeyTranslatorTest, TheNameBoxTakesEnterAndBackspaceWhateverTheyAreBoundTo) {
  bindings_[std::size_t(Action::Camera)].keys = {KeyChord{'C'}, KeyChord{}};
  EXPECT_THAT(Down(vk::Return), IsEmpty());
  EXPECT_THAT(Up(vk::Return), IsEmpty());
  nameBox_ = true;
  EXPECT_THAT(Down(vk::Back), ElementsAre("down Backspace"));
  EXPECT_THAT(Down(vk::Back, false, /*repeat=*/true), ElementsAre("down Backspace"));
  EXPECT_THAT(Up(vk::Back), ElementsAre("up Backspace"));
  EXPECT_THAT(Down(vk::Return), ElementsAre("down Return"));
}

}  // namespace
}  // namespace quillmoor
