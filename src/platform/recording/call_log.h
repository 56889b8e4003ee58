#pragma once

#include <string>
#include <vector>

namespace quillmoor {

// The calls the recording backends received, one line each, in order.
struct CallLog {
  std::vector<std::string> calls;

  void Add(std::string call) { calls.push_back(std::move(call)); }
  // The calls that start with the prefix, in order.
  std::vector<std::string> Starting(const std::string& prefix) const;
  void Clear() { calls.clear(); }
};

}  // namespace quillmoor
