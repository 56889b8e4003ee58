#pragma once

#include <cstdint>
#include <string>

namespace quillmoor {

struct NetState {
  std::uint8_t NetRole = 1;  // 1 host; nothing changes it
  std::int16_t Port = 5002;
  std::string HostAddress = "192.168.0.1";  // bytes as stored in Config.ini
  std::string Label4 = "Label1";            // the link's status text
  std::string NetMessage;                   // the last message from the peer
  double PeerX = -2;                        // the peer's craft
  double PeerZ = -2;
  float PeerAngle = 0;
};

}  // namespace quillmoor
