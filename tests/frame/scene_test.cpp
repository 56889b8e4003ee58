// The 3D world of a frame: which passes run, in which order, and how.

#include "frame/scene.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "frame/ghost_craft.h"
#include "simulation/update_scene.h"
#include "support/loaded_game.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::FloatNear;
using ::testing::IsEmpty;
using ::testing::Not;

std::string MaterialLine(float r, float g, float b, float a) {
  char text[128];
  std::snprintf(text, sizeof text, "SetMaterial %.9g %.9g %.9g %.9g", double(r), double(g),
                double(b), double(a));
  return text;
}

class SceneTest : public ::testing::Test {
 protected:
  SceneTest() {
    // Three pads: green, red and one of no known kind.
    game().map.MapObjects = {{}, {40, 0, 90, 90}, {50, 1, 0, 0}, {60, 2, 0, 0}};
    game().map.MapObjectCount = 3;
    sim().IntroActive = false;
  }
  Game& game() { return g_.game; }
  SimulationState& sim() { return g_.game.sim; }
  const std::vector<std::string>& calls() { return g_.services.log.calls; }

  void Draw() {
    UpdateScene(game());
    g_.services.log.Clear();
    DrawScene(game());
  }
  void ShowPads(std::initializer_list<float> rows) {
    sim().VisibleCount = 0;
    for (float row : rows) sim().VisibleObjects[++sim().VisibleCount] = row;
  }

  // Each world transform of the scene and what was drawn with it: "mesh m",
  // "quad" or "quad T" for a quad with texture T.
  std::vector<std::string> Passes() {
    std::vector<std::string> passes;
    std::string texture;
    for (const std::string& call : calls()) {
      if (call.starts_with("SetTransform World")) passes.emplace_back();
      if (call.starts_with("SetTexture 0 ")) texture = call.substr(13);
      if (call.starts_with("DrawSubset ") && !passes.empty() && passes.back().empty())
        passes.back() = "mesh " + std::to_string(Slot(std::stoul(call.substr(11))));
      if (call.starts_with("DrawTriangleStrip ") && !passes.empty()) {
        EXPECT_EQ(call, "DrawTriangleStrip " + std::to_string(game().graphics.VertexBuffer.value) +
                            " 6 2");
        passes.back() = texture == "0" ? "quad" : "quad " + texture;
      }
    }
    return passes;
  }
  int Slot(unsigned long meshId) {
    for (int m = 0; m < kMeshSlots; ++m) {
      if (game().graphics.Meshes[m].Mesh.value == meshId) return m;
    }
    return -1;
  }
  std::string Image(int i) { return std::to_string(game().graphics.ImageTextures[i].value); }

  test::LoadedGame g_;
};

TEST_F(SceneTest, ARaceFrameDrawsTunnelCraftSkyPadsPickupAndLightsInOrder) {
  sim().GameState = game_state::Race;
  sim().AsteroidActive = true;
  sim().PickupActive = true;
  ShowPads({1, 2});
  Draw();
  EXPECT_THAT(Passes(), ElementsAre("mesh 2", "mesh 8", "mesh 2", "mesh 8", "mesh 7", "mesh 3",
                                    "mesh 0", "mesh 4", "mesh 1", "mesh 1", "mesh 6", "quad",
                                    "quad", "quad " + Image(0)));
  // The tunnel comes first, in white.
  ASSERT_FALSE(calls().empty());
  EXPECT_EQ(calls().front(), MaterialLine(1, 1, 1, 1));
}

TEST_F(SceneTest, AMenuFrameAddsFlyerStationLightsAndPanelButNoPads) {
  sim().GameState = game_state::Menu;
  sim().MenuViewParked = true;
  sim().BlinkOn = false;
  ShowPads({1, 2});
  Draw();
  EXPECT_THAT(Passes(),
              ElementsAre("mesh 2", "mesh 8", "mesh 2", "mesh 8", "mesh 7", "mesh 3", "mesh 5",
                          "mesh 9", "quad", "quad", "quad", "quad", "mesh 0", "quad", "quad",
                          "quad " + Image(0), "quad " + Image(10), "quad", "quad"));
  // Station and flyer lights are dim between blinks, the craft's dimmer still.
  const float d = static_cast<float>(0.2), e = static_cast<float>(0.3);
  const std::string dim = MaterialLine(d, d, d, 1), dimmer = MaterialLine(e, e, e, 1);
  std::vector<std::string> greys = g_.services.log.Starting("SetMaterial ");
  std::erase_if(greys, [&](const std::string& m) { return m != dim && m != dimmer; });
  EXPECT_THAT(greys, ElementsAre(dim, dim, dim, dim, dimmer, dimmer, dim, dim));

  sim().MenuViewParked = false;  // the panel waits for the camera
  Draw();
  EXPECT_THAT(Passes(), Not(::testing::Contains("quad " + Image(10))));
}

TEST_F(SceneTest, PadsAreDrawnOnlyInTheRaceAndOnlyThoseInSightTexturedByKindAndTint) {
  sim().GameState = game_state::Race;
  ShowPads({1});
  sim().Distance = 10;
  Draw();
  // Pad 1 stands 30 ahead, on the right-hand wall (90 degrees).
  const Vector3 pad = TransformCoord(vec3(0, 0, 0), sim().ObjectSlots[1].World);
  EXPECT_THAT((std::vector{pad.x, pad.y, pad.z}),
              ElementsAre(FloatNear(2.65f, 1e-3f), FloatNear(0, 1e-3f), FloatNear(30, 1e-5f)));

  // A number naming no row, or beyond the 200 a list holds, draws nothing.
  ShowPads({-1, 4, 20001});
  Draw();
  EXPECT_THAT(Passes(), Not(::testing::Contains("mesh 1")));
  sim().VisibleObjects.fill(1);
  sim().VisibleCount = 500;
  Draw();
  EXPECT_THAT(Passes(), ::testing::Contains("mesh 1").Times(kMaxVisibleObjects));

  // The textures follow the kind and the tint.
  const int subsets = game().graphics.Meshes[1].MaterialCount;
  ASSERT_GT(subsets, 0);
  // The textures set for one pad: the pass after the sky's.
  auto padTextures = [&](float row) {
    ShowPads({row});
    Draw();
    const std::string sky = "DrawSubset " + std::to_string(game().graphics.Meshes[0].Mesh.value);
    std::vector<std::string> textures;
    int passesAfterSky = -1;
    for (const std::string& call : calls()) {
      if (call.starts_with(sky)) passesAfterSky = 0;
      if (passesAfterSky >= 0 && call.starts_with("SetTransform World") && ++passesAfterSky == 2)
        break;
      if (passesAfterSky == 1 && call.starts_with("SetTexture 0 "))
        textures.push_back(call.substr(13));
    }
    return textures;
  };
  const std::vector<std::string> green(std::size_t(subsets), Image(1)),
      red(std::size_t(subsets), Image(2));
  EXPECT_THAT(padTextures(1), ElementsAreArray(green));
  EXPECT_THAT(padTextures(2), ElementsAreArray(red));
  EXPECT_THAT(padTextures(3), IsEmpty()) << "an unknown kind keeps the texture it finds";
  EXPECT_THAT(padTextures(2.5f), ElementsAreArray(red)) << "rounded half to even: row 2";
  sim().TintActive = true;
  EXPECT_THAT(padTextures(2), ElementsAreArray(green)) << "red pads look green under the tint";
}

TEST_F(SceneTest, ThePickupDarkensWhatLiesBehindAndTheExhaustGlowFollowsTheThrottle) {
  sim().GameState = game_state::Race;
  sim().PickupActive = true;
  Draw();
  std::vector<std::string> order;
  for (const std::string& call : calls()) {
    if (call.starts_with("SetRenderState ")) order.push_back(call);
    if (call == "DrawSubset " + std::to_string(game().graphics.Meshes[6].Mesh.value) + " 0")
      order.push_back("pickup");
    if (call.starts_with("DrawTriangleStrip ")) order.push_back("quad");
  }
  EXPECT_THAT(order,
              ElementsAre("SetRenderState SrcBlend Zero", "SetRenderState DestBlend SrcColor",
                          "pickup", "SetRenderState SrcBlend SrcAlpha",
                          "SetRenderState DestBlend InvSrcAlpha", "quad", "quad", "quad"));
  EXPECT_EQ(g_.services.graphics.device->renderStates[RenderState::SrcBlend], blend::SrcAlpha);

  // The exhaust glow's colour follows the throttle, the speed and top speed.
  sim().PickupActive = false;
  const float pale = static_cast<float>(0.8), low = static_cast<float>(0.4);
  struct Case { float speed; std::uint8_t throttle; bool top; std::string colour; };
  const Case cases[] = {
      {1, 1, false, MaterialLine(1, 1, pale, 1)},   // accelerating
      {1, 0, false, MaterialLine(low, low, 1, 1)},  // coasting
      {1, 2, false, MaterialLine(1, low, low, 1)},  // braking
      {0, 1, false, MaterialLine(low, low, 1, 1)},  // standing, even with the throttle open
      {2, 1, true, MaterialLine(low, 1, low, 1)},   // top speed
      {0, 2, true, MaterialLine(low, 1, low, 1)},   // top speed wins over all
  };
  for (const Case& c : cases) {
    sim().Speed = c.speed;
    sim().ThrottleState = c.throttle;
    sim().AtTopSpeed = c.top;
    Draw();
    // The last quad drawn, the exhaust glow, takes the last material.
    EXPECT_EQ(g_.services.log.Starting("SetMaterial ").back(), c.colour)
        << c.speed << ' ' << int(c.throttle) << ' ' << c.top;
  }
}

TEST_F(SceneTest, TunnelPiecesWithMoreSubsetsThanTheTunnelTextureLeaveTheExtraOut) {
  MeshRecord& piece = game().graphics.Meshes[8];
  const int textures = int(game().graphics.Meshes[2].Textures.size());
  piece.MaterialCount = textures + 1;
  piece.Materials.resize(std::size_t(textures) + 1);
  Draw();
  const std::string extra =
      "DrawSubset " + std::to_string(piece.Mesh.value) + ' ' + std::to_string(textures);
  EXPECT_THAT(g_.services.log.Starting(extra), IsEmpty());
  EXPECT_THAT(g_.services.log.Starting("DrawSubset " + std::to_string(piece.Mesh.value) + " 0"),
              ::testing::SizeIs(2));
}

TEST_F(SceneTest, TheGhostComesLastUntexturedSeeThroughAndWritesNoDepth) {
  sim().GameState = game_state::Race;
  sim().Distance = 100;
  GhostState& ghost = game().ghost;
  ghost.Present = true;
  ghost.ShownDistance = 103;
  ghost.ShownAngle = 90;
  Draw();
  // After the opaque models, before the glowing quads that write depth.
  EXPECT_THAT(Passes(), ElementsAre("mesh 2", "mesh 8", "mesh 2", "mesh 8", "mesh 7", "mesh 3",
                                    "mesh 0", "mesh 3", "quad", "quad", "quad " + Image(0)));
  // Depth writes off, the cool colour, no texture, then depth writes and the colour back.
  const auto off = std::find(calls().begin(), calls().end(), "SetRenderState ZWriteEnable false");
  ASSERT_NE(off, calls().end());
  const std::string craft = "DrawSubset " + std::to_string(game().graphics.Meshes[3].Mesh.value);
  EXPECT_EQ(std::tuple(off[1], off[3], off[4]),
            std::tuple(MaterialLine(0.35f, 0.75f, 1, 0.45f), "SetTexture 0 0", craft + " 0"));
  const auto on = std::find(off, calls().end(), "SetRenderState ZWriteEnable true");
  ASSERT_NE(on, calls().end());
  const auto skyColour = std::find_if(std::make_reverse_iterator(off), calls().rend(),
                                      [](const std::string& c) { return c.starts_with("SetMaterial"); });
  EXPECT_EQ(on[1], *skyColour);  // the colour applied before, again

  // Within a unit of the craft it fades; out of the drawing window, or hidden, it is gone.
  ghost.ShownAngle = 0;
  ghost.ShownDistance = 100.5f;
  sim().ObjectSlots[3].Y = -2.57f;
  EXPECT_NEAR(GhostSeparation(game()), 0.5, 1e-5);
  EXPECT_FLOAT_EQ(GhostOpacity(0.5f), 0.225f);
  for (const auto& hide : std::vector<std::function<void()>>{
           [&] { ghost.ShownDistance = 100; },  // right on the craft
           [&] { ghost.ShownDistance = 191; },
           [&] { ghost.ShownDistance = 98.9f; },
           [&] { ghost.ShownDistance = 110, ghost.Visible = false; },
           [&] { ghost.Visible = true, ghost.Enabled = false; },
           [&] { ghost.Enabled = true, sim().GameState = game_state::Menu; }}) {
    hide();
    Draw();
    EXPECT_THAT(g_.services.log.Starting("SetRenderState ZWriteEnable"), IsEmpty());
  }
}

}  // namespace
}  // namespace quillmoor
