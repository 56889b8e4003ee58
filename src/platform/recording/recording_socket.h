#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/recording/call_log.h"
#include "platform/socket.h"

namespace quillmoor {

// Logs every socket call: "Socket.Close", "Socket.Accept 7",
// "Socket.SendData 0|0|37.5|". The state is whatever the test sets; Close
// and Accept move it as a real socket would.
class RecordingSocket final : public Socket {
 public:
  explicit RecordingSocket(CallLog& log) : log_(log) {}
  int State() const override;
  bool Listen(std::int32_t port) override;
  bool Connect(std::string_view host, std::int32_t port) override;
  void Close() override;
  bool Accept(std::int32_t requestId) override;
  std::string GetData() override;
  bool SendData(std::string_view data) override;
  // Offers each queued request, then the waiting bytes when there are any.
  void Poll(SocketEvents& events) override;

  int state = socket_state::Closed;
  std::string incoming;                  // what GetData hands out
  std::vector<std::int32_t> requests;    // delivered by the next Poll
  mutable int stateReads = 0;

 private:
  CallLog& log_;
};

}  // namespace quillmoor
