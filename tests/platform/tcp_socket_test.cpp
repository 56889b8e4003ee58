// The POSIX socket against a real peer on the loopback address, alone and
// under the game's handlers.

#include "platform/posix/tcp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/net_link.h"
#include "platform/recording/recording_platform.h"
#include "shell/game.h"
#include "support/temp_dir.h"

namespace quillmoor {
namespace {

// Generous: each round waits up to 10 ms for the kernel.
constexpr int kRounds = 2000;

void Wait() { ::poll(nullptr, 0, 10); }

// A plain blocking-connect, non-blocking-read client on 127.0.0.1.
class Peer {
 public:
  explicit Peer(std::uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
  }
  ~Peer() { Close(); }

  bool connected() const { return connected_; }
  // Sends what the kernel takes now; the rest is left in `bytes`.
  void SendSome(std::string& bytes) {
    const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) bytes.erase(0, std::size_t(sent));
  }
  void Send(std::string bytes, const std::function<void()>& between) {
    for (int i = 0; i < kRounds && !bytes.empty(); ++i) {
      SendSome(bytes);
      between();
    }
    ASSERT_TRUE(bytes.empty());
  }
  // Whatever has arrived; sets `ended` when the other side has closed.
  std::string Receive(bool* ended = nullptr) {
    std::string got;
    char buffer[4096];
    for (;;) {
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
      if (n > 0) {
        got.append(buffer, std::size_t(n));
        continue;
      }
      if (n == 0 && ended) *ended = true;
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && ended) *ended = true;
      return got;
    }
  }
  void Reset() {
    const linger hard{1, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    Close();
  }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
};

// Records what the socket reports, accepting requests when told to.
struct Events final : SocketEvents {
  explicit Events(TcpSocket& socket) : socket(socket) {}
  void ConnectionRequest(std::int32_t requestId) override {
    requests.push_back(requestId);
    statesDuringRequest.push_back(socket.State());
    if (accept) socket.Accept(requestId);
  }
  void DataArrival(std::int32_t totalBytes) override {
    arrivals.push_back(totalBytes);
    received += socket.GetData();
  }
  TcpSocket& socket;
  bool accept = true;
  std::vector<std::int32_t> requests;
  std::vector<int> statesDuringRequest;
  std::vector<std::int32_t> arrivals;
  std::string received;
};

// Polls until done() or the rounds run out; says whether done() came true.
bool PollUntil(const std::function<void()>& poll, const std::function<bool()>& done) {
  for (int i = 0; i < kRounds; ++i) {
    poll();
    if (done()) return true;
    Wait();
  }
  return false;
}

// --- the socket alone ------------------------------------------------------

class TcpSocketTest : public testing::Test {
 protected:
  void Listen() {
    ASSERT_TRUE(socket_.Listen(0));
    ASSERT_EQ(socket_.State(), socket_state::Listening);
    ASSERT_NE(socket_.LocalPort(), 0);
  }
  bool Until(const std::function<bool()>& done) {
    return PollUntil([&] { socket_.Poll(events_); }, done);
  }
  TcpSocket socket_;
  Events events_{socket_};
};

TEST_F(TcpSocketTest, ListenAcceptConnectedClose) {
  EXPECT_EQ(socket_.State(), socket_state::Closed);
  Listen();
  EXPECT_FALSE(socket_.Listen(0));  // only when closed
  Peer peer(socket_.LocalPort());
  ASSERT_TRUE(peer.connected());
  ASSERT_TRUE(Until([&] { return !events_.requests.empty(); }));
  EXPECT_EQ(events_.statesDuringRequest, std::vector<int>{socket_state::ConnectionPending});
  EXPECT_EQ(socket_.State(), socket_state::Connected);
  EXPECT_EQ(socket_.LocalPort(), 0);  // the listener went with the accept

  EXPECT_TRUE(socket_.SendData("hello"));
  std::string got;
  ASSERT_TRUE(PollUntil([&] { got += peer.Receive(); }, [&] { return got == "hello"; }));
  std::string greeting = "hi";
  peer.Send(greeting, [&] { socket_.Poll(events_); });
  ASSERT_TRUE(Until([&] { return events_.received == "hi"; }));
  EXPECT_EQ(events_.arrivals, std::vector<std::int32_t>{2});

  socket_.Close();
  EXPECT_EQ(socket_.State(), socket_state::Closed);
  bool ended = false;
  ASSERT_TRUE(PollUntil([&] { peer.Receive(&ended); }, [&] { return ended; }));
  EXPECT_FALSE(socket_.SendData("late"));
}

TEST_F(TcpSocketTest, RequestNotAcceptedIsTurnedAway) {
  events_.accept = false;
  Listen();
  Peer peer(socket_.LocalPort());
  ASSERT_TRUE(Until([&] { return !events_.requests.empty(); }));
  EXPECT_EQ(socket_.State(), socket_state::Listening);
  EXPECT_FALSE(socket_.Accept(events_.requests[0]));  // too late
  bool ended = false;
  ASSERT_TRUE(PollUntil([&] { peer.Receive(&ended); }, [&] { return ended; }));
}

TEST_F(TcpSocketTest, ConnectsToAListeningPeer) {
  TcpSocket host;
  Events hostEvents(host);
  ASSERT_TRUE(host.Listen(0));
  ASSERT_TRUE(socket_.Connect("127.0.0.1", host.LocalPort()));
  EXPECT_TRUE(socket_.State() == socket_state::Connecting ||
              socket_.State() == socket_state::Connected);
  ASSERT_TRUE(PollUntil(
      [&] {
        host.Poll(hostEvents);
        socket_.Poll(events_);
      },
      [&] { return socket_.State() == socket_state::Connected && !hostEvents.requests.empty(); }));
  EXPECT_TRUE(socket_.SendData("0|0|1|"));
  ASSERT_TRUE(PollUntil([&] { host.Poll(hostEvents); },
                        [&] { return hostEvents.received == "0|0|1|"; }));
}

TEST_F(TcpSocketTest, FailuresShowAsTheErrorState) {
  EXPECT_FALSE(socket_.Connect("", 5002));
  EXPECT_EQ(socket_.State(), socket_state::Error);
  socket_.Close();
  EXPECT_FALSE(socket_.Listen(70000));
  EXPECT_EQ(socket_.State(), socket_state::Error);
  socket_.Close();

  // A port nobody listens on: the one just given up.
  Listen();
  const std::uint16_t port = socket_.LocalPort();
  socket_.Close();
  socket_.Connect("127.0.0.1", port);
  EXPECT_TRUE(Until([&] { return socket_.State() == socket_state::Error; }));
  socket_.Close();
  EXPECT_EQ(socket_.State(), socket_state::Closed);
}

TEST_F(TcpSocketTest, PeerClosingAndResetting) {
  Listen();
  {
    Peer peer(socket_.LocalPort());
    std::string bytes = "bye";
    ASSERT_TRUE(Until([&] { return socket_.State() == socket_state::Connected; }));
    peer.Send(bytes, [] {});
    peer.Close();
    ASSERT_TRUE(Until([&] { return socket_.State() == socket_state::Closing; }));
    EXPECT_EQ(events_.received, "bye");  // what came before the end is kept
    EXPECT_FALSE(socket_.SendData("x"));
  }
  socket_.Close();
  Listen();
  Peer peer(socket_.LocalPort());
  ASSERT_TRUE(Until([&] { return socket_.State() == socket_state::Connected; }));
  peer.Reset();
  // A reset reads as an error or, if the kernel reports the end first, as closing.
  ASSERT_TRUE(Until([&] {
    return socket_.State() == socket_state::Error || socket_.State() == socket_state::Closing;
  }));
}

TEST_F(TcpSocketTest, SilentPeerCannotMakeTheQueueGrow) {
  Listen();
  Peer peer(socket_.LocalPort());
  ASSERT_TRUE(Until([&] { return socket_.State() == socket_state::Connected; }));
  const std::string block(16 * 1024, 'x');
  int refused = 0;
  for (int i = 0; i < 4096 && refused == 0; ++i) {
    if (!socket_.SendData(block)) ++refused;
  }
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(socket_.State(), socket_state::Connected);
  EXPECT_GE(socket_.DroppedBytes(), block.size());
}

// --- the game's handlers on a real link --------------------------------------

// The game's handlers, counting what each arrival held.
struct GameEvents final : SocketEvents {
  explicit GameEvents(Game& game) : game(game) {}
  void ConnectionRequest(std::int32_t requestId) override {
    Winsock1_ConnectionRequest(game, requestId);
  }
  void DataArrival(std::int32_t totalBytes) override {
    arrivals.push_back(totalBytes);
    delivered += std::size_t(totalBytes);
    Winsock1_DataArrival(game, totalBytes);
  }
  Game& game;
  std::vector<std::int32_t> arrivals;
  std::size_t delivered = 0;
};

class TcpSocketGameTest : public testing::Test {
 protected:
  TcpSocketGameTest() { game_.sim.ObjectSlots[3].Angle = 12.5f; }
  void SetUp() override {
    ASSERT_TRUE(socket_.Listen(0));
    peer_.emplace(socket_.LocalPort());
    ASSERT_TRUE(Until([&] { return socket_.State() == socket_state::Connected; }));
  }
  bool Until(const std::function<bool()>& done) {
    return PollUntil([&] { socket_.Poll(events_); }, done);
  }
  // Sends a message and waits for the host's answer to it.
  std::string Exchange(const std::string& message) {
    peer_->Send(message, [&] { socket_.Poll(events_); });
    std::string answer;
    EXPECT_TRUE(Until([&] {
      answer += peer_->Receive();
      return std::count(answer.begin(), answer.end(), '|') >= 3;
    }));
    return answer;
  }
  std::string Log() const { return test::ReadAll(dir_.path() / "log.txt"); }

  test::TempDir dir_;
  RecordingPlatform services_;
  TcpSocket socket_;
  Platform platform_{services_.window, services_.keyboard, services_.clock, services_.dialogs,
                     services_.graphics, services_.sound,    socket_};
  Game game_{platform_, dir_.path() / "Data"};
  GameEvents events_{game_};
  std::optional<Peer> peer_;
};

TEST_F(TcpSocketGameTest, ReportIsReadLoggedAndAnswered) {
  NetTick(game_);
  EXPECT_EQ(game_.net.Label4, "Связь установлена");
  EXPECT_EQ(Exchange("0|0|37,5|"), "0|0|12.5|");
  EXPECT_EQ(game_.net.PeerAngle, 37.5f);
  EXPECT_EQ(Log(), "0|0|37,5|\r\n0037.5\r\n");
}

TEST_F(TcpSocketGameTest, HostileMessagesLeaveTheLinkWorking) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += char(i == '|' ? 'x' : i);
  EXPECT_EQ(Exchange(bytes), "0|0|12.5|");
  EXPECT_EQ(game_.net.PeerX, 0);
  EXPECT_EQ(game_.net.PeerZ, -2);  // a message without fields

  EXPECT_EQ(Exchange("no fields at all"), "0|0|12.5|");

  // A megabyte: each piece read is one message of at most 64 KiB, answered.
  const std::size_t total = 1024 * 1024;
  const std::size_t before = events_.delivered;
  const std::size_t arrivalsBefore = events_.arrivals.size();
  game_.net.PeerX = 5;
  peer_->Send(std::string(total, '9'), [&] { socket_.Poll(events_); });
  ASSERT_TRUE(Until([&] { return events_.delivered - before + socket_.DroppedBytes() == total; }));
  EXPECT_GT(socket_.DroppedBytes(), 0u);
  for (const std::int32_t bytes : events_.arrivals) EXPECT_LE(bytes, 64 * 1024);
  EXPECT_LE(game_.net.NetMessage.size(), 64u * 1024);
  EXPECT_LE(std::filesystem::file_size(dir_.path() / "log.txt"), 64u * 1024 + 64);
  EXPECT_EQ(game_.net.PeerX, 5);  // far beyond a double: ignored
  std::string answers;
  ASSERT_TRUE(Until([&] {
    answers += peer_->Receive();
    return answers.size() == (events_.arrivals.size() - arrivalsBefore) * 9;
  }));

  // The link still carries a plain report.
  EXPECT_EQ(Exchange("1|2|3|"), "0|0|12.5|");
  EXPECT_EQ(game_.net.PeerX, 1);
  EXPECT_EQ(game_.net.PeerAngle, 3.0f);
  EXPECT_EQ(Log(), "1|2|3|\r\n123\r\n");
}

TEST_F(TcpSocketGameTest, PeerGoneShowsClosingUntilClosed) {
  peer_->Close();
  ASSERT_TRUE(Until([&] { return socket_.State() == socket_state::Closing; }));
  NetTick(game_);
  EXPECT_EQ(game_.net.Label4, "Связь закрывается...");
  CloseNetwork(game_);
  NetTick(game_);
  EXPECT_EQ(game_.net.Label4, "Порт закрыт");
}

}  // namespace
}  // namespace quillmoor
