#include "platform/recording/call_log.h"

namespace quillmoor {

std::vector<std::string> CallLog::Starting(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& call : calls) {
    if (call.starts_with(prefix)) found.push_back(call);
  }
  return found;
}

}  // namespace quillmoor
