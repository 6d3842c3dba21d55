#pragma once
// What a pass run as a background job answers to: a request to stop, and a count of its blocks
// for a progress bar. The thread that starts a pass binds a control to itself for the pass
// (ScopedPassControl); the column blocks read it there, check it before each block and count
// each block they finish. A pass with no control bound runs to its end, as it always did.
//
//   window: Cancel() -> blocks not yet begun are passed over -> the pass returns early, its
//   picture and state incomplete (the caller throws them away)

#include <atomic>
#include <cstdint>

class PassControl {
 public:
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

  // A walk of `blocks` more blocks begins; one of them has finished.
  void AddBlocks(int blocks) { total_.fetch_add(blocks, std::memory_order_relaxed); }
  void FinishBlock() { done_.fetch_add(1, std::memory_order_relaxed); }
  // Finished blocks over those begun so far, 0 to 1 (0 before any walk began).
  double Progress() const;

 private:
  std::atomic<bool> cancelled_{false};
  std::atomic<int64_t> total_{0};
  std::atomic<int64_t> done_{0};
};

// The control bound to the calling thread, or nullptr.
PassControl* CurrentPassControl();

// Binds `control` to the calling thread for the guard's life.
class ScopedPassControl {
 public:
  explicit ScopedPassControl(PassControl& control);
  ~ScopedPassControl();
  ScopedPassControl(const ScopedPassControl&) = delete;
  ScopedPassControl& operator=(const ScopedPassControl&) = delete;

 private:
  PassControl* previous_;
};
