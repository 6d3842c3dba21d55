#include "pass/pass_control.h"

namespace {

thread_local PassControl* boundControl = nullptr;

}  // namespace

double PassControl::Progress() const {
  const int64_t total = total_.load(std::memory_order_relaxed);
  if (total <= 0) return 0.0;
  const int64_t done = done_.load(std::memory_order_relaxed);
  return done >= total ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
}

PassControl* CurrentPassControl() { return boundControl; }

ScopedPassControl::ScopedPassControl(PassControl& control) : previous_(boundControl) {
  boundControl = &control;
}

ScopedPassControl::~ScopedPassControl() { boundControl = previous_; }
