// The link's status text, the two socket handlers and the craft report, on
// the recording socket.

#include "net/net_link.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "net/craft_report.h"
#include "platform/recording/recording_platform.h"
#include "shell/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

class NetLinkTest : public testing::Test {
 protected:
  RecordingSocket& socket() { return services_.socket; }
  const NetState& net() const { return game_.net; }
  std::vector<std::string> SocketCalls() const { return services_.log.Starting("Socket."); }
  std::string Log() const { return test::ReadAll(dir_.path() / "log.txt"); }
  // One message from the peer.
  void Arrive(const std::string& bytes) {
    socket().incoming = bytes;
    Winsock1_DataArrival(game_, static_cast<std::int32_t>(bytes.size()));
  }

  test::TempDir dir_;
  RecordingPlatform services_;
  Game game_{services_.platform, dir_.path() / "Data"};
};

// --- NetTick ---------------------------------------------------------------

using NetTickTest = NetLinkTest;

TEST_F(NetTickTest, ClosedSocketShowsPortClosedInsteadOfDesignText) {
  EXPECT_EQ(net().Label4, "Label1");
  NetTick(game_);
  EXPECT_EQ(net().Label4, "Порт закрыт");
  NetTick(game_);
  EXPECT_EQ(net().Label4, "Порт закрыт");
  EXPECT_TRUE(SocketCalls().empty());
  EXPECT_EQ(socket().stateReads, 16);  // read afresh for each of the eight texts
}

TEST_F(NetTickTest, EachStateHasItsText) {
  const std::pair<int, const char*> table[] = {
      {0, "Порт закрыт"},         {1, "Порт открыт"},       {2, "Порт прослушивается"},
      {3, "Ожидание связи"},      {6, "Подключение к хосту"}, {7, "Связь установлена"},
      {8, "Связь закрывается..."}, {9, "Ошибка"},
  };
  for (const auto& [state, text] : table) {
    game_.net.Label4 = "Label1";
    socket().state = state;
    NetTick(game_);
    EXPECT_EQ(net().Label4, text) << "state " << state;
  }
}

TEST_F(NetTickTest, ResolvingStatesAndUnknownStatesLeaveTheText) {
  for (const int state : {4, 5, 10, -1}) {
    game_.net.Label4 = "Связь установлена";
    socket().state = state;
    NetTick(game_);
    EXPECT_EQ(net().Label4, "Связь установлена") << "state " << state;
  }
}

TEST_F(NetTickTest, OnlyAConnectedClientSendsItsCraft) {
  game_.sim.ObjectSlots[3].Angle = 37.5f;
  socket().state = 7;
  NetTick(game_);  // host
  EXPECT_TRUE(SocketCalls().empty());

  game_.net.NetRole = 2;
  socket().state = 6;
  NetTick(game_);
  EXPECT_TRUE(SocketCalls().empty());

  socket().state = 7;
  NetTick(game_);
  NetTick(game_);
  EXPECT_EQ(SocketCalls(), (std::vector<std::string>{"Socket.SendData 0|0|37.5|",
                                                     "Socket.SendData 0|0|37.5|"}));
}

// --- Winsock1_ConnectionRequest, PollNetwork, CloseNetwork -----------------

using NetEventsTest = NetLinkTest;

TEST_F(NetEventsTest, RequestWhileListeningClosesThenAccepts) {
  socket().state = 2;
  Winsock1_ConnectionRequest(game_, 5);
  EXPECT_EQ(SocketCalls(), (std::vector<std::string>{"Socket.Close", "Socket.Accept 5"}));
  EXPECT_EQ(socket().state, 7);

  services_.log.Clear();
  socket().state = 3;  // not listening: nothing to close
  Winsock1_ConnectionRequest(game_, 9);
  EXPECT_EQ(SocketCalls(), std::vector<std::string>{"Socket.Accept 9"});
}

TEST_F(NetEventsTest, PollDeliversRequestsAndDataToTheHandlers) {
  socket().state = 2;
  socket().requests = {4};
  socket().incoming = "1|2|3|";
  PollNetwork(game_);
  EXPECT_EQ(SocketCalls(), (std::vector<std::string>{"Socket.Close", "Socket.Accept 4",
                                                     "Socket.GetData", "Socket.SendData 0|0|0|"}));
  EXPECT_EQ(net().PeerX, 1);
  EXPECT_EQ(net().PeerZ, 2);
  EXPECT_EQ(net().PeerAngle, 3.0f);

  services_.log.Clear();
  CloseNetwork(game_);
  EXPECT_EQ(SocketCalls(), std::vector<std::string>{"Socket.Close"});
}

// --- Winsock1_DataArrival --------------------------------------------------

using NetDataArrivalTest = NetLinkTest;

TEST_F(NetDataArrivalTest, CommaReportSetsThePeerCraft) {
  Arrive("0|0|37,5|");
  EXPECT_EQ(net().NetMessage, "0|0|37,5|");
  EXPECT_EQ(net().PeerX, 0);
  EXPECT_EQ(net().PeerZ, 0);
  EXPECT_EQ(net().PeerAngle, 37.5f);
}

TEST_F(NetDataArrivalTest, FieldsFollowTheNumericValueRule) {
  Arrive("  -1.5x|+.25|7.9.9|");
  EXPECT_EQ(net().PeerX, -1.5);
  EXPECT_EQ(net().PeerZ, 0.25);
  EXPECT_EQ(net().PeerAngle, 7.9f);

  Arrive("|- 3|1e5|");  // empty field and a lone sign are 0; no exponent
  EXPECT_EQ(net().PeerX, 0);
  EXPECT_EQ(net().PeerZ, 0);
  EXPECT_EQ(net().PeerAngle, 1.0f);

  Arrive("12345678901234567890|0.000001|123456789|");
  EXPECT_EQ(net().PeerX, 12345678901234567890.0);
  EXPECT_EQ(net().PeerZ, 0.000001);
  EXPECT_EQ(net().PeerAngle, 123456789.0f);
}

TEST_F(NetDataArrivalTest, MissingFieldsKeepTheirValues) {
  game_.net.PeerAngle = 12.0f;
  Arrive("abc");
  EXPECT_EQ(net().PeerX, 0);
  EXPECT_EQ(net().PeerZ, -2);
  EXPECT_EQ(net().PeerAngle, 12.0f);

  Arrive("5|6");
  EXPECT_EQ(net().PeerX, 5);
  EXPECT_EQ(net().PeerZ, 6);
  EXPECT_EQ(net().PeerAngle, 12.0f);

  Arrive("");
  EXPECT_EQ(net().NetMessage, "");
  EXPECT_EQ(net().PeerX, 5);
}

TEST_F(NetDataArrivalTest, TwoReportsInOneChunkUseTheFirst) {
  Arrive("1|2|3|4|5|6|");
  EXPECT_EQ(net().PeerX, 1);
  EXPECT_EQ(net().PeerZ, 2);
  EXPECT_EQ(net().PeerAngle, 3.0f);
}

TEST_F(NetDataArrivalTest, ValuesTooLargeForTheirTypeAreIgnored) {
  game_.net.PeerAngle = 4.0f;
  const std::string huge(400, '9');
  Arrive(huge + "|1" + std::string(40, '0') + "|" + std::string(40, '9') + "|");
  EXPECT_EQ(net().PeerX, -2);  // beyond a double
  EXPECT_EQ(net().PeerZ, 1e40);
  EXPECT_EQ(net().PeerAngle, 4.0f);  // beyond a single

  Arrive("0." + std::string(400, '0') + "1|-0.5|1|");  // below a double: 0
  EXPECT_EQ(net().PeerX, 0);
  EXPECT_EQ(net().PeerZ, -0.5);
}

TEST_F(NetDataArrivalTest, LogHoldsTheLastMessageOnly) {
  Arrive("0|0|37,5|");
  EXPECT_EQ(Log(), "0|0|37,5|\r\n0037.5\r\n");
  Arrive("1.25|-3");  // no third field: the angle stays
  EXPECT_EQ(Log(), "1.25|-3\r\n1.25-337.5\r\n");
  Arrive("1.25|-3|");  // an empty third field is 0
  EXPECT_EQ(Log(), "1.25|-3|\r\n1.25-30\r\n");
}

TEST_F(NetDataArrivalTest, LogUsesShortNumberTexts) {
  Arrive("0.1|123456789.123456789|0.1|");
  EXPECT_EQ(Log(), "0.1|123456789.123456789|0.1|\r\n0.1123456789.1234570.1\r\n");
}

TEST_F(NetDataArrivalTest, UnwritableLogIsPassedOver) {
  std::filesystem::create_directories(dir_.path() / "log.txt" / "x");  // a folder in the way
  game_.sim.ObjectSlots[3].Angle = -80;
  socket().state = 7;
  Arrive("1|2|3|");
  EXPECT_EQ(net().PeerAngle, 3.0f);
  EXPECT_EQ(SocketCalls().back(), "Socket.SendData 0|0|-80|");
}

TEST_F(NetDataArrivalTest, OnlyAConnectedHostAnswers) {
  game_.sim.ObjectSlots[3].Angle = 12.5f;
  socket().state = 8;
  Arrive("1|1|1|");
  EXPECT_EQ(SocketCalls(), std::vector<std::string>{"Socket.GetData"});

  socket().state = 7;
  game_.net.NetRole = 2;
  Arrive("1|1|1|");
  EXPECT_EQ(SocketCalls().back(), "Socket.GetData");

  game_.net.NetRole = 1;
  Arrive("1|1|1|");
  EXPECT_EQ(SocketCalls().back(), "Socket.SendData 0|0|12.5|");
}

// --- number texts ----------------------------------------------------------

TEST(NetNumberText, ShortestUsualForm) {
  EXPECT_EQ(NumberText(37.5f), "37.5");
  EXPECT_EQ(NumberText(-2.0f), "-2");
  EXPECT_EQ(NumberText(0.1f), "0.1");
  EXPECT_EQ(NumberText(1.0f / 3), "0.3333333");
  EXPECT_EQ(NumberText(-0.0f), "0");
  EXPECT_EQ(NumberText(1e7f), "1E+07");
  EXPECT_EQ(NumberText(0.00001f), "1E-05");
  EXPECT_EQ(NumberText(1.0 / 3, 15), "0.333333333333333");
  EXPECT_EQ(NumberText(-2.0, 15), "-2");
  EXPECT_EQ(NumberText(1e15, 15), "1E+15");
  EXPECT_EQ(NumberText(123456789012345.0, 15), "123456789012345");
}

TEST(NetNumberText, CraftReportHasThreeBarredValues) {
  Placement craft;
  craft.X = 0;
  craft.Z = 0;
  craft.Angle = 37.5f;
  EXPECT_EQ(CraftReport(craft), "0|0|37.5|");
  craft.X = -1.25f;
  craft.Z = 10000;
  craft.Angle = -79.99999f;
  EXPECT_EQ(CraftReport(craft), "-1.25|10000|-79.99999|");
}

}  // namespace
}  // namespace quillmoor
