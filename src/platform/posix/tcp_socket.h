#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/socket.h"

namespace quillmoor {

// Non-blocking IPv4 TCP on POSIX sockets: one listener or one peer.
// Connect resolves the host with getaddrinfo, which may block for a moment
// on a name that is not a numeric address.
class TcpSocket final : public Socket {
 public:
  // The most a peer's burst may leave waiting; the rest of it is dropped.
  static constexpr std::size_t kMaxWaiting = 64 * 1024;
  // The most queued for the peer when it does not read; more is dropped.
  static constexpr std::size_t kMaxQueued = 64 * 1024;

  TcpSocket() = default;
  ~TcpSocket() override;
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  int State() const override { return state_; }
  bool Listen(std::int32_t port) override;
  bool Connect(std::string_view host, std::int32_t port) override;
  void Close() override;
  bool Accept(std::int32_t requestId) override;
  std::string GetData() override;
  bool SendData(std::string_view data) override;
  void Poll(SocketEvents& events) override;

  // The port the listener is bound to (0 when not listening).
  std::uint16_t LocalPort() const { return localPort_; }
  // Bytes dropped because they did not fit, since the socket was made.
  std::uint64_t DroppedBytes() const { return dropped_; }

 private:
  void Fail();
  void PollListener(SocketEvents& events);
  void PollConnecting();
  void PollPeer(SocketEvents& events);
  void Flush();

  int state_ = socket_state::Closed;
  int listener_ = -1;
  int peer_ = -1;
  int pending_ = -1;  // a connection offered in ConnectionRequest
  std::int32_t pendingId_ = 0;
  std::int32_t nextId_ = 1;
  std::uint16_t localPort_ = 0;
  std::string waiting_;  // received, not yet taken by GetData
  std::string queued_;   // given to SendData, not yet sent
  std::uint64_t dropped_ = 0;
};

}  // namespace quillmoor
