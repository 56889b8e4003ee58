#pragma once

namespace quillmoor::test {

// Leak checking pauses while a test holds an OpenGL device: the software
// driver keeps some of what it allocates and unloads itself before leak
// checking could name it in a suppression.
void PauseLeakChecks();
void ResumeLeakChecks();

}  // namespace quillmoor::test
