// The colours texts are drawn in, and what reaches the device.

#include "graphics/text_drawing.h"

#include <gmock/gmock.h>

#include "support/loaded_game.h"

namespace quillmoor {
namespace {

TEST(TextColour, FfGoesInFrontOfTheColoursOwnDigits) {
  EXPECT_EQ(TextColour(std::int32_t(0xFFFF0000u)), 0xFFFF0000u);  // eight digits: as it is
  EXPECT_EQ(TextColour(0x0F123456), 0xFF123456u);  // seven: an F in front
  EXPECT_EQ(TextColour(0xFF0000), 0xFFFF0000u);    // six: opaque
  EXPECT_EQ(TextColour(0x00FF00), 0x00FFFF00u);    // four: yellow, no alpha
  EXPECT_EQ(TextColour(0xFF), 0x0000FFFFu);        // two: cyan, no alpha
  EXPECT_EQ(TextColour(0), 0x00000FF0u);  // "FF" then "0"
}

TEST(TextDrawing, EachFontDrawsAndAnEmptyTextDrawsNothing) {
  test::LoadedGame g;
  DrawText(g.game, "Рекорды", 100, 250, 0xFF0000);
  DrawText2(g.game, "v 1.01", 5, 6, std::int32_t(0xFFFFFFFFu));
  DrawText(g.game, "", 1, 2, 0xFF);
  EXPECT_THAT(g.services.log.calls,
              testing::ElementsAre("DrawText 1 \"Рекорды\" 100,250 0xFFFF0000",
                                   "DrawText 2 \"v 1.01\" 5,6 0xFFFFFFFF"));
}

}  // namespace
}  // namespace quillmoor
