#pragma once
// How a sweep of «Анимация…» reports to its dialog from the sweep's thread.

#include <QMetaObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>

#include "app/animation/animation_dialog.h"

// What a sweep leaves for the window: written on the sweep's thread, read on the window's once
// it has ended.
struct SweepOutcome {
  std::atomic<int> framesDone{0};
  bool ended =
      false;  // the sweep ran to its end or stopped; a sweep cancelled before it began never runs
  bool cancelled = false;
  std::optional<QString> error;
  QString written;  // the GIF, or the first PNG file
};

// The sweep's thread posts its end to the dialog through this, under its lock; the dialog's
// destructor clears it, so nothing is posted to a dialog that is gone.
struct SweepRelay {
  std::mutex mutex;
  AnimationDialog* target = nullptr;

  void Post(uint64_t sweep) {
    const std::lock_guard<std::mutex> lock(mutex);
    if (target == nullptr) return;
    QMetaObject::invokeMethod(
        target, [target = target, sweep] { target->OnDone(sweep); }, Qt::QueuedConnection);
  }
};
