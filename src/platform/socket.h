#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmoor {

// The states a socket reports, numbered as the game reads them.
namespace socket_state {
inline constexpr int Closed = 0;
inline constexpr int Open = 1;
inline constexpr int Listening = 2;
inline constexpr int ConnectionPending = 3;
inline constexpr int ResolvingHost = 4;
inline constexpr int HostResolved = 5;
inline constexpr int Connecting = 6;
inline constexpr int Connected = 7;
inline constexpr int Closing = 8;
inline constexpr int Error = 9;
}  // namespace socket_state

// What a socket tells the game, on the main thread, from Socket::Poll.
class SocketEvents {
 public:
  virtual ~SocketEvents() = default;
  // A peer asks to connect; Accept(requestId) takes it during this call,
  // otherwise it is turned away.
  virtual void ConnectionRequest(std::int32_t requestId) = 0;
  // Bytes arrived; totalBytes are waiting for GetData.
  virtual void DataArrival(std::int32_t totalBytes) = 0;
};

// One TCP link: a listening socket or a connection to one peer. No call
// throws or blocks for long; a failure shows as the error state.
class Socket {
 public:
  virtual ~Socket() = default;
  virtual int State() const = 0;
  // Listens on every IPv4 address; port 0 picks a free one. Only when closed.
  virtual bool Listen(std::int32_t port) = 0;
  // Connects to a host given as text. Only when closed.
  virtual bool Connect(std::string_view host, std::int32_t port) = 0;
  // Drops everything: listener, peer, pending request, waiting bytes.
  virtual void Close() = 0;
  // Takes the pending connection with that id as the one peer.
  virtual bool Accept(std::int32_t requestId) = 0;
  // All bytes waiting, removed from the socket.
  virtual std::string GetData() = 0;
  // Queues bytes for the peer; only when connected.
  virtual bool SendData(std::string_view data) = 0;
  // Non-blocking I/O, then the events it brings.
  virtual void Poll(SocketEvents& events) = 0;
};

// A socket that is never opened, for runs without a network.
class ClosedSocket final : public Socket {
 public:
  int State() const override { return socket_state::Closed; }
  bool Listen(std::int32_t) override { return false; }
  bool Connect(std::string_view, std::int32_t) override { return false; }
  void Close() override {}
  bool Accept(std::int32_t) override { return false; }
  std::string GetData() override { return {}; }
  bool SendData(std::string_view) override { return false; }
  void Poll(SocketEvents&) override {}
};

}  // namespace quillmoor
