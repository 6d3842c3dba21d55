#pragma once
// Long calls run off the Python thread with the GIL released, so that other Python threads run
// meanwhile; Ctrl+C (KeyboardInterrupt) cancels the pass through its PassControl, which the
// passes check before each block, and is raised once the work has stopped.

#include <functional>

// Runs `work` on a worker thread kept between calls (one per call running at once), bound to a
// PassControl, while the calling thread (holding
// the GIL on entry) waits with the GIL released and checks for signals. Rethrows what `work`
// throws; raises the signal's exception (pybind11::error_already_set) when interrupted.
void RunInterruptibly(const std::function<void()>& work);

// Whether the pass control of the calling thread was cancelled (the result is then incomplete).
bool PassCancelled();
