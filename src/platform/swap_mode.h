#pragma once

namespace quillmoor {

// How Present waits for the display's retrace.
enum class SwapMode { Off, On, Adaptive };

}  // namespace quillmoor
