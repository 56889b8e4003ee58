#include "platform/openal/loopback_mix.h"

namespace quillmoor {

LoopbackMix::LoopbackMix(OpenAlSound& sound, const std::optional<std::filesystem::path>& file)
    : sound_(sound), frames_(std::size_t(kFramesPerTick) * 2) {
  if (file) file_.emplace(*file, 2, OpenAlSound::kLoopbackRate);
}

void LoopbackMix::Tick() {
  sound_.Render(frames_);
  if (file_) file_->Append(frames_);
}

void LoopbackMix::Close() {
  if (file_) file_->Close();
}

}  // namespace quillmoor
