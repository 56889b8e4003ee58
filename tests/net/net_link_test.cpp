// The link's status text, its socket handlers and the craft report, on the
// recording socket.

#include "net/net_link.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "net/craft_report.h"
#include "platform/recording/recording_platform.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

class NetLinkTest : public testing::Test {
 protected:
  RecordingSocket& socket() { return services_.socket; }
  const NetState& net() const { return game_.net; }
  std::vector<std::string> SocketCalls() const { return services_.log.Starting("Socket."); }
  std::string Log() const { return test::ReadAll(dir_.path() / "log.txt"); }
  void Arrive(const std::string& bytes) {
    socket().incoming = bytes;
    Winsock1_DataArrival(game_, static_cast<std::int32_t>(bytes.size()));
  }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path() / "Data"};
};

TEST_F(NetLinkTest, StatusTextFollowsTheSocketState) {
  EXPECT_EQ(net().Label4, "Label1");
  // nullptr: the text is left as it was.
  const char* const texts[] = {"Порт закрыт", "Порт открыт", "Порт прослушивается",
                               "Ожидание связи", nullptr, nullptr, "Подключение к хосту",
                               "Связь установлена", "Связь закрывается...", "Ошибка", nullptr};
  game_.sim.ObjectSlots[3].Angle = 37.5f;
  for (const int role : {1, 2}) {
    game_.net.NetRole = role;
    for (int state = 0; state < int(std::size(texts)); ++state) {
      game_.net.Label4 = "Label1";
      socket().state = state;
      NetTick(game_);
      EXPECT_EQ(net().Label4, texts[state] ? texts[state] : "Label1") << "state " << state;
    }
    // Only a connected client reports on its own.
    EXPECT_EQ(SocketCalls(), role == 1 ? std::vector<std::string>{}
                                       : std::vector<std::string>{"Socket.SendData 0|0|37.5|"});
  }
}

TEST_F(NetLinkTest, PollAcceptsARequestAndHandsOnData) {
  socket().state = 2;
  socket().requests = {4};
  socket().incoming = "1|2|3|";
  PollNetwork(game_);
  EXPECT_EQ(SocketCalls(), (std::vector<std::string>{"Socket.Close", "Socket.Accept 4",
                                                     "Socket.GetData", "Socket.SendData 0|0|0|"}));
  EXPECT_EQ(net().PeerAngle, 3.0f);

  services_.log.Clear();
  socket().state = 3;  // not listening: nothing to close
  Winsock1_ConnectionRequest(game_, 9);
  CloseNetwork(game_);
  EXPECT_EQ(SocketCalls(), (std::vector<std::string>{"Socket.Accept 9", "Socket.Close"}));
}

TEST_F(NetLinkTest, DataArrivalReadsTheFirstThreeFields) {
  struct Case { std::string message; double x, z; float angle; };
  // Each message arrives on a craft at 5, 6, 12.
  const Case cases[] = {
      {"0|0|37,5|", 0, 0, 37.5f},
      {"  -1.5x|+.25|7.9.9|", -1.5, 0.25, 7.9f},
      {"|- 3|1e5|", 0, 0, 1},  // empty and a lone sign are 0; no exponent
      {"12345678901234567890|0.000001|123456789|", 12345678901234567890.0, 0.000001, 123456789.0f},
      {"abc", 0, 6, 12},  // no bars: one field
      {"7|8", 7, 8, 12},
      {"", 5, 6, 12},
      {"1|2|3|4|5|6|", 1, 2, 3},  // two reports: the first counts
      {std::string(400, '9') + "|1" + std::string(40, '0') + "|" + std::string(40, '9') + "|",
       5, 1e40, 12},  // too large for the type: kept
      {"0." + std::string(400, '0') + "1|-0.5|1|", 0, -0.5, 1},  // too small: 0
  };
  for (const Case& c : cases) {
    std::tie(game_.net.PeerX, game_.net.PeerZ, game_.net.PeerAngle) = std::tuple(5, 6, 12);
    Arrive(c.message);
    EXPECT_EQ(net().NetMessage, c.message);
    EXPECT_EQ(std::tuple(net().PeerX, net().PeerZ, net().PeerAngle), std::tuple(c.x, c.z, c.angle))
        << c.message;
  }
}

TEST_F(NetLinkTest, LogHoldsTheLastMessageInShortTexts) {
  Arrive("0|0|37,5|");
  EXPECT_EQ(Log(), "0|0|37,5|\r\n0037.5\r\n");
  Arrive("0.1|123456789.123456789");
  EXPECT_EQ(Log(), "0.1|123456789.123456789\r\n0.1123456789.12345737.5\r\n");
}

TEST_F(NetLinkTest, OnlyAConnectedHostAnswersEvenWithoutALog) {
  std::filesystem::create_directories(dir_.path() / "log.txt" / "x");  // a folder in the way
  game_.sim.ObjectSlots[3].Angle = 12.5f;
  socket().state = 8;
  Arrive("1|1|1|");
  game_.net.NetRole = 2;  // a client
  socket().state = 7;
  Arrive("1|1|1|");
  EXPECT_EQ(SocketCalls(), (std::vector<std::string>{"Socket.GetData", "Socket.GetData"}));
  game_.net.NetRole = 1;
  Arrive("1|1|3|");
  EXPECT_EQ(net().PeerAngle, 3.0f);
  EXPECT_EQ(SocketCalls().back(), "Socket.SendData 0|0|12.5|");
}

TEST(NetNumberText, ShortestUsualFormAndReport) {
  EXPECT_EQ(NumberText(1.0f / 3), "0.3333333");
  EXPECT_EQ(NumberText(-0.0f), "0");
  EXPECT_EQ(NumberText(1.0 / 3, 15), "0.333333333333333");
  EXPECT_EQ(NumberText(123456789012345.0, 15), "123456789012345");
  EXPECT_EQ(NumberText(1e15, 15), "1E+15");
  EXPECT_EQ(CraftReport({.X = -1.25f, .Z = 10000, .Angle = -79.99999f, .World = {}}),
            "-1.25|10000|-79.99999|");
  EXPECT_EQ(NumericValue(" -0012.50ab"), -12.5);
  EXPECT_EQ(NumericValue("."), 0.0);
}

}  // namespace
}  // namespace quillmoor
