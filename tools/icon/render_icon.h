#pragma once

#include "platform/image.h"

namespace quillmoor::icon {

// The icon at size x size pixels, each pixel the mean of a grid of samples
// so that edges are smoothed at every size.
Image RenderIcon(int size);

}  // namespace quillmoor::icon
