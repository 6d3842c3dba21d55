#include "interruptible.h"

#include <pybind11/pybind11.h>

#include <chrono>
#include <exception>
#include <future>
#include <thread>

#include "pass/pass_control.h"

namespace {

// How often the waiting thread looks at Python's signal flag.
constexpr std::chrono::milliseconds kSignalPoll{50};

}  // namespace

void RunInterruptibly(const std::function<void()>& work) {
  PassControl control;
  std::promise<void> finished;
  std::future<void> done = finished.get_future();
  std::thread worker([&] {
    const ScopedPassControl bound(control);
    try {
      work();
      finished.set_value();
    } catch (...) {
      finished.set_exception(std::current_exception());
    }
  });
  bool interrupted = false;
  {
    const pybind11::gil_scoped_release released;
    while (done.wait_for(kSignalPoll) != std::future_status::ready) {
      const pybind11::gil_scoped_acquire acquired;
      if (PyErr_CheckSignals() != 0) {
        control.Cancel();
        interrupted = true;
        break;
      }
    }
    worker.join();
  }
  if (interrupted) throw pybind11::error_already_set();
  done.get();
}

bool PassCancelled() {
  const PassControl* control = CurrentPassControl();
  return control != nullptr && control->Cancelled();
}
