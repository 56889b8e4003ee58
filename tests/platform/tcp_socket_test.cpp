// The POSIX socket against a peer on 127.0.0.1, under the game's handlers.

#include "platform/posix/tcp_socket.h"

#include <poll.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "net/net_link.h"
#include "platform/recording/recording_platform.h"
#include "state/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

// The game's handlers, noting what the socket reported.
struct Events final : SocketEvents {
  Events(Game& handled, TcpSocket& reporting) : game(handled), socket(reporting) {}
  void ConnectionRequest(std::int32_t requestId) override {
    stateDuringRequest = socket.State();
    Winsock1_ConnectionRequest(game, requestId);
  }
  void DataArrival(std::int32_t totalBytes) override {
    ++arrivals;
    delivered += std::size_t(totalBytes);
    largest = std::max(largest, std::size_t(totalBytes));
    Winsock1_DataArrival(game, totalBytes);
  }
  Game& game;
  TcpSocket& socket;
  int stateDuringRequest = -1;
  std::size_t arrivals = 0, delivered = 0, largest = 0;
};

// The other end: a second socket that keeps what it receives.
struct Peer final : SocketEvents {
  void ConnectionRequest(std::int32_t) override {}
  void DataArrival(std::int32_t) override { received += socket.GetData(); }
  TcpSocket socket;
  std::string received;
};

class TcpSocketTest : public testing::Test {
 protected:
  TcpSocketTest() { game_.sim.ObjectSlots[3].Angle = 12.5f; }
  // Polls both ends until done(), waiting 10 ms a round.
  bool Until(const std::function<bool()>& done) {
    for (int i = 0; i < 2000; ++i, ::poll(nullptr, 0, 10)) {
      socket_.Poll(events_);
      peer_.socket.Poll(peer_);
      if (done()) return true;
    }
    return false;
  }
  bool Is(const TcpSocket& socket, int state) { return socket.State() == state; }
  void Connect() {
    ASSERT_TRUE(socket_.Listen(0));
    ASSERT_TRUE(Is(socket_, socket_state::Listening));
    ASSERT_NE(socket_.LocalPort(), 0);
    ASSERT_TRUE(peer_.socket.Connect("127.0.0.1", socket_.LocalPort()));
    ASSERT_TRUE(Until([&] {
      return Is(socket_, socket_state::Connected) && Is(peer_.socket, socket_state::Connected);
    }));
  }
  // Sends as fast as the peer's queue takes it.
  void Send(std::string bytes) {
    ASSERT_TRUE(Until([&] {
      while (!bytes.empty() && peer_.socket.SendData(bytes.substr(0, 16384))) bytes.erase(0, 16384);
      return bytes.empty();
    }));
  }
  // Sends a message and takes the host's answer to it.
  std::string Exchange(const std::string& message) {
    Send(message);
    const std::string& got = peer_.received;
    EXPECT_TRUE(Until([&] { return std::count(got.begin(), got.end(), '|') >= 3; }));
    return std::exchange(peer_.received, {});
  }
  std::string Log() const { return test::ReadAll(dir_.path() / "log.txt"); }

  test::TempDir dir_;
  RecordingPlatform services_;
  TcpSocket socket_;
  Platform platform_{services_.window, services_.keyboard, services_.clock, services_.dialogs,
                     services_.graphics, services_.sound,    socket_};
  Game game_{platform_, dir_.path() / "Data"};
  Events events_{game_, socket_};
  Peer peer_;
};

TEST_F(TcpSocketTest, ListenAcceptReportAndClose) {
  EXPECT_TRUE(Is(socket_, socket_state::Closed));
  Connect();
  EXPECT_FALSE(socket_.Listen(0));  // only when closed
  EXPECT_EQ(events_.stateDuringRequest, socket_state::ConnectionPending);
  EXPECT_EQ(socket_.LocalPort(), 0);  // the listener went with the accept
  EXPECT_EQ(Exchange("0|0|37,5|"), "0|0|12.5|");
  EXPECT_EQ(events_.arrivals, 1u);

  // A peer that stops reading cannot make the queue grow.
  const std::string block(16 * 1024, 'x');
  int sent = 0;
  while (sent < 4096 && socket_.SendData(block)) ++sent;
  EXPECT_LT(sent, 4096);
  EXPECT_TRUE(Is(socket_, socket_state::Connected));
  EXPECT_GE(socket_.DroppedBytes(), block.size());

  socket_.Close();
  EXPECT_TRUE(Is(socket_, socket_state::Closed));
  EXPECT_FALSE(socket_.SendData("late"));
  EXPECT_TRUE(Until([&] { return Is(peer_.socket, socket_state::Closing); }));
}

TEST_F(TcpSocketTest, FailuresShowAsTheErrorState) {
  EXPECT_FALSE(socket_.Connect("", 5002));
  EXPECT_TRUE(Is(socket_, socket_state::Error));
  socket_.Close();
  EXPECT_FALSE(socket_.Listen(70000));
  EXPECT_TRUE(Is(socket_, socket_state::Error));
  socket_.Close();
  ASSERT_TRUE(socket_.Listen(0));
  const std::uint16_t port = socket_.LocalPort();
  socket_.Close();
  peer_.socket.Connect("127.0.0.1", port);  // nobody listens there now
  EXPECT_TRUE(Until([&] { return Is(peer_.socket, socket_state::Error); }));
}

TEST_F(TcpSocketTest, PeerGoneShowsClosingUntilClosed) {
  Connect();
  peer_.socket.SendData("1|2|");
  peer_.socket.Close();
  ASSERT_TRUE(Until([&] { return Is(socket_, socket_state::Closing); }));
  EXPECT_EQ(game_.net.NetMessage, "1|2|");  // what came before the end is kept
  EXPECT_FALSE(socket_.SendData("x"));
  socket_.Close();
  EXPECT_TRUE(Is(socket_, socket_state::Closed));
}

TEST_F(TcpSocketTest, HostileMessagesLeaveTheLinkWorking) {
  Connect();
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += char(i == '|' ? 'x' : i);
  EXPECT_EQ(Exchange(bytes), "0|0|12.5|");
  EXPECT_EQ(game_.net.PeerX, 0);
  EXPECT_EQ(game_.net.PeerZ, -2);  // a message without fields
  EXPECT_EQ(Exchange("no fields at all"), "0|0|12.5|");

  // A megabyte: each piece read is one message of at most 64 KiB, answered.
  const std::size_t total = 1024 * 1024, before = events_.delivered, answered = events_.arrivals;
  game_.net.PeerX = 5;
  Send(std::string(total, '9'));
  ASSERT_TRUE(Until([&] { return events_.delivered - before + socket_.DroppedBytes() == total; }));
  EXPECT_GT(socket_.DroppedBytes(), 0u);
  EXPECT_LE(events_.largest, 64u * 1024);
  EXPECT_LE(std::filesystem::file_size(dir_.path() / "log.txt"), 64u * 1024 + 64);
  EXPECT_EQ(game_.net.PeerX, 5);  // far beyond a double: ignored
  EXPECT_TRUE(Until([&] { return peer_.received.size() == (events_.arrivals - answered) * 9; }));
  peer_.received.clear();

  EXPECT_EQ(Exchange("1|2|3|"), "0|0|12.5|");
  EXPECT_EQ(Log(), "1|2|3|\r\n123\r\n");  // replaced, not appended
}

}  // namespace
}  // namespace quillmoor
