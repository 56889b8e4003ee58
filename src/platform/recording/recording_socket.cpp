#include "platform/recording/recording_socket.h"

#include <utility>

namespace quillmoor {

int RecordingSocket::State() const {
  ++stateReads;
  return state;
}

bool RecordingSocket::Listen(std::int32_t port) {
  log_.Add("Socket.Listen " + std::to_string(port));
  state = socket_state::Listening;
  return true;
}

bool RecordingSocket::Connect(std::string_view host, std::int32_t port) {
  log_.Add("Socket.Connect " + std::string(host) + ' ' + std::to_string(port));
  state = socket_state::Connecting;
  return true;
}

void RecordingSocket::Close() {
  log_.Add("Socket.Close");
  state = socket_state::Closed;
}

bool RecordingSocket::Accept(std::int32_t requestId) {
  log_.Add("Socket.Accept " + std::to_string(requestId));
  state = socket_state::Connected;
  return true;
}

std::string RecordingSocket::GetData() {
  log_.Add("Socket.GetData");
  return std::exchange(incoming, {});
}

bool RecordingSocket::SendData(std::string_view data) {
  log_.Add("Socket.SendData " + std::string(data));
  return state == socket_state::Connected;
}

void RecordingSocket::Poll(SocketEvents& events) {
  for (const std::int32_t id : std::exchange(requests, {})) events.ConnectionRequest(id);
  if (!incoming.empty()) events.DataArrival(static_cast<std::int32_t>(incoming.size()));
}

}  // namespace quillmoor
