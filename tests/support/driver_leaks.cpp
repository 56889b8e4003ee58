#include "support/driver_leaks.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLMOOR_LEAK_CHECKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUILLMOOR_LEAK_CHECKS 1
#endif

#if defined(QUILLMOOR_LEAK_CHECKS)
#include <sanitizer/lsan_interface.h>
#endif

namespace quillmoor::test {

void PauseLeakChecks() {
#if defined(QUILLMOOR_LEAK_CHECKS)
  __lsan_disable();
#endif
}

void ResumeLeakChecks() {
#if defined(QUILLMOOR_LEAK_CHECKS)
  __lsan_enable();
#endif
}

}  // namespace quillmoor::test
