#include "platform/posix/tcp_socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace quillmoor {

namespace {

// How much one Poll reads at most, so a flooding peer cannot hold the game.
constexpr std::size_t kMaxReadPerPoll = 4 * 1024 * 1024;
// Connections taken from the listener in one Poll at most.
constexpr int kMaxRequestsPerPoll = 8;

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

bool Retry(int error) { return error == EINTR; }
bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

}  // namespace

TcpSocket::~TcpSocket() {
  CloseFd(pending_);
  CloseFd(peer_);
  CloseFd(listener_);
}

void TcpSocket::Fail() {
  CloseFd(pending_);
  CloseFd(peer_);
  CloseFd(listener_);
  queued_.clear();
  localPort_ = 0;
  state_ = socket_state::Error;
}

bool TcpSocket::Listen(std::int32_t port) {
  if (state_ != socket_state::Closed) return false;
  if (port < 0 || port > 65535) {
    Fail();
    return false;
  }
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listener_ < 0) {
    Fail();
    return false;
  }
  const int on = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  socklen_t length = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 4) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    Fail();
    return false;
  }
  localPort_ = ntohs(address.sin_port);
  state_ = socket_state::Listening;
  return true;
}

bool TcpSocket::Connect(std::string_view host, std::int32_t port) {
  if (state_ != socket_state::Closed) return false;
  if (port <= 0 || port > 65535 || host.empty() || host.find('\0') != host.npos) {
    Fail();
    return false;
  }
  state_ = socket_state::ResolvingHost;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(std::string(host).c_str(), nullptr, &hints, &found) != 0 || !found) {
    Fail();
    return false;
  }
  sockaddr_in address{};
  std::memcpy(&address, found->ai_addr, std::min<std::size_t>(sizeof address, found->ai_addrlen));
  ::freeaddrinfo(found);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  state_ = socket_state::HostResolved;

  peer_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (peer_ < 0) {
    Fail();
    return false;
  }
  int result;
  do {
    result = ::connect(peer_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  } while (result != 0 && Retry(errno));
  if (result == 0) {
    state_ = socket_state::Connected;
  } else if (errno == EINPROGRESS) {
    state_ = socket_state::Connecting;
  } else {
    Fail();
    return false;
  }
  return true;
}

void TcpSocket::Close() {
  CloseFd(pending_);
  CloseFd(peer_);
  CloseFd(listener_);
  waiting_.clear();
  queued_.clear();
  localPort_ = 0;
  state_ = socket_state::Closed;
}

bool TcpSocket::Accept(std::int32_t requestId) {
  if (pending_ < 0 || requestId != pendingId_) return false;
  CloseFd(listener_);
  CloseFd(peer_);
  localPort_ = 0;
  peer_ = std::exchange(pending_, -1);
  waiting_.clear();
  queued_.clear();
  state_ = socket_state::Connected;
  return true;
}

std::string TcpSocket::GetData() { return std::exchange(waiting_, {}); }

bool TcpSocket::SendData(std::string_view data) {
  if (state_ != socket_state::Connected) return false;
  if (queued_.size() + data.size() > kMaxQueued) {
    dropped_ += data.size();
    return false;
  }
  queued_.append(data);
  Flush();
  return state_ == socket_state::Connected;
}

void TcpSocket::Flush() {
  while (!queued_.empty()) {
    const ssize_t sent = ::send(peer_, queued_.data(), queued_.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      queued_.erase(0, static_cast<std::size_t>(sent));
    } else if (sent < 0 && Retry(errno)) {
      continue;
    } else if (sent < 0 && WouldBlock(errno)) {
      return;
    } else {
      Fail();
      return;
    }
  }
}

void TcpSocket::Poll(SocketEvents& events) {
  switch (state_) {
    case socket_state::Listening:
      PollListener(events);
      break;
    case socket_state::Connecting:
      PollConnecting();
      break;
    case socket_state::Connected:
      Flush();
      if (state_ == socket_state::Connected) PollPeer(events);
      break;
    default:
      break;
  }
}

void TcpSocket::PollListener(SocketEvents& events) {
  for (int i = 0; i < kMaxRequestsPerPoll && state_ == socket_state::Listening; ++i) {
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      const int error = errno;
      if (Retry(error) || error == ECONNABORTED || error == EPROTO) continue;
      if (WouldBlock(error) || error == EMFILE || error == ENFILE || error == ENOBUFS ||
          error == ENOMEM) {
        return;  // nothing waiting, or try again next time
      }
      Fail();
      return;
    }
    pending_ = fd;
    pendingId_ = nextId_;
    nextId_ = nextId_ == INT32_MAX ? 1 : nextId_ + 1;
    state_ = socket_state::ConnectionPending;
    events.ConnectionRequest(pendingId_);
    // Not accepted during the event: turned away.
    CloseFd(pending_);
    if (state_ == socket_state::ConnectionPending) state_ = socket_state::Listening;
  }
}

void TcpSocket::PollConnecting() {
  pollfd entry{peer_, POLLOUT, 0};
  const int ready = ::poll(&entry, 1, 0);
  if (ready == 0 || (ready < 0 && Retry(errno))) return;
  int error = 0;
  socklen_t length = sizeof error;
  if (ready < 0 || ::getsockopt(peer_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
    Fail();
    return;
  }
  state_ = socket_state::Connected;
}

void TcpSocket::PollPeer(SocketEvents& events) {
  char buffer[16 * 1024];
  std::size_t read = 0;
  bool arrived = false;
  bool peerClosed = false;
  bool failed = false;
  while (read < kMaxReadPerPoll) {
    const ssize_t got = ::recv(peer_, buffer, sizeof buffer, 0);
    if (got > 0) {
      const auto size = static_cast<std::size_t>(got);
      const std::size_t kept = std::min(size, kMaxWaiting - waiting_.size());
      waiting_.append(buffer, kept);
      dropped_ += size - kept;
      read += size;
      arrived = true;
    } else if (got == 0) {
      peerClosed = true;
      break;
    } else if (Retry(errno)) {
      continue;
    } else {
      failed = !WouldBlock(errno);
      break;
    }
  }
  // The state changes before the bytes are offered, so a handler does not
  // answer a peer that has gone.
  const int peer = peer_;
  if (failed) {
    Fail();
  } else if (peerClosed) {
    state_ = socket_state::Closing;
  }
  if (arrived && !waiting_.empty() && peer_ == peer) {
    events.DataArrival(static_cast<std::int32_t>(waiting_.size()));
  }
}

}  // namespace quillmoor
