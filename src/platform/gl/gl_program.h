#pragma once

#include <epoxy/gl.h>

namespace quillmoor {

// A shader program from the two sources; throws FatalError with the
// compiler's or linker's words when they do not make one.
GLuint LinkProgram(const char* vertexSource, const char* fragmentSource);

}  // namespace quillmoor
