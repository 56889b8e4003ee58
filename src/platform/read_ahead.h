#pragma once

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace quillmoor {

// Files read on a thread of its own, in the order given, before anyone asks
// for them. While a batch lives, Take hands out each file's result once,
// waiting for it when it is not done yet; asking for a file gives up the
// ones before it. One batch of a kind at a time.
template <typename Result>
class ReadAhead {
 public:
  using Read = std::function<Result(const std::filesystem::path&)>;

  // At most `waiting` results are kept that nobody has taken yet.
  ReadAhead(std::vector<std::filesystem::path> files, Read read,
            std::size_t waiting = std::numeric_limits<std::size_t>::max())
      : files_(std::move(files)),
        results_(files_.size()),
        state_(files_.size(), State::Waiting),
        waitingLimit_(waiting) {
    std::lock_guard lock(mutex_);
    if (!current_) current_ = this;
    worker_ = std::thread([this, read = std::move(read)] { Work(read); });
  }

  // Stops after the file in hand; what was not taken is forgotten.
  ~ReadAhead() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    done_.notify_all();
    taken_.notify_all();
    worker_.join();
    std::lock_guard lock(mutex_);
    if (current_ == this) current_ = nullptr;
  }

  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // The file's result from the live batch; nothing when no batch has it
  // (any more).
  static std::optional<Result> Take(const std::filesystem::path& file) {
    std::unique_lock lock(mutex_);
    ReadAhead* batch = current_;
    if (!batch) return std::nullopt;
    const auto found = std::find(batch->files_.begin(), batch->files_.end(), file);
    if (found == batch->files_.end()) return std::nullopt;
    const auto index = std::size_t(found - batch->files_.begin());
    batch->GiveUpBefore(index);
    batch->done_.wait(lock, [&] {
      return batch->stopping_ || batch->state_[index] != State::Waiting;
    });
    if (batch->state_[index] != State::Done) return std::nullopt;
    batch->state_[index] = State::Taken;
    --batch->waiting_;
    batch->taken_.notify_all();
    return std::move(batch->results_[index]);
  }

 private:
  enum class State { Waiting, Done, Taken };

  // With the lock held.
  void GiveUpBefore(std::size_t index) {
    for (std::size_t i = 0; i < index; ++i) {
      if (state_[i] == State::Done) {
        results_[i] = Result{};
        --waiting_;
      }
      state_[i] = State::Taken;
    }
    taken_.notify_all();
  }

  void Work(const Read& read) {
    for (std::size_t i = 0; i < files_.size(); ++i) {
      {
        std::unique_lock lock(mutex_);
        taken_.wait(lock, [&] { return stopping_ || waiting_ < waitingLimit_; });
        if (stopping_) return;
        if (state_[i] == State::Taken) continue;
      }
      Result result = read(files_[i]);
      {
        std::lock_guard lock(mutex_);
        results_[i] = std::move(result);
        if (state_[i] == State::Waiting) {
          state_[i] = State::Done;
          ++waiting_;
        } else {
          results_[i] = Result{};  // given up while it was read
        }
      }
      done_.notify_all();
    }
  }

  inline static std::mutex mutex_;
  inline static ReadAhead* current_ = nullptr;

  const std::vector<std::filesystem::path> files_;
  std::vector<Result> results_;
  std::vector<State> state_;
  const std::size_t waitingLimit_;
  std::size_t waiting_ = 0;  // done, not taken
  bool stopping_ = false;
  std::condition_variable done_, taken_;
  std::thread worker_;
};

}  // namespace quillmoor
