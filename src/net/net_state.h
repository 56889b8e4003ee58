#pragma once

#include <cstdint>
#include <string>

namespace quillmoor {

struct NetState {
  std::uint8_t NetRole = 1;  // 1 host; nothing changes it
  std::int16_t Port = 5002;
  std::string HostAddress = "192.168.0.1";  // bytes as stored in Config.ini
};

}  // namespace quillmoor
