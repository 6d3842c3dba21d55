#include "interruptible.h"

#include <pthread.h>
#include <pybind11/pybind11.h>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "pass/pass_control.h"

namespace {

// How often the waiting thread looks at Python's signal flag.
constexpr std::chrono::milliseconds kSignalPoll{50};

// A thread kept for the process, running one call's work at a time. Kept rather than made for
// each call: what a thread keeps for itself (the transforms' plans and arrays for the last grid
// size) then serves the next call, as it serves the window's next recovery.
class Worker {
 public:
  Worker() : thread_([this] { Serve(); }) { thread_.detach(); }

  void Start(std::function<void()> job) {
    const std::lock_guard<std::mutex> guard(mutex_);
    job_ = std::move(job);
    wake_.notify_one();
  }

 private:
  [[noreturn]] void Serve() {
    for (;;) {
      std::function<void()> job;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return job_ != nullptr; });
        job = std::move(job_);
        job_ = nullptr;
      }
      job();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::function<void()> job_;
  std::thread thread_;  // last: started once the members it uses exist
};

// The idle workers; a call that finds none makes one, so that calls from several Python threads
// still run side by side.
std::mutex idleMutex;
std::vector<Worker*> idleWorkers;

// A process forked from this one has none of these threads: it starts with no idle workers.
void ForgetWorkersInChild() {
  idleWorkers.clear();
  idleMutex.unlock();
}

Worker& TakeWorker() {
  static const int kForkHandlers =
      pthread_atfork([] { idleMutex.lock(); }, [] { idleMutex.unlock(); }, ForgetWorkersInChild);
  (void)kForkHandlers;
  const std::lock_guard<std::mutex> guard(idleMutex);
  if (idleWorkers.empty()) {
    return *new Worker();  // NOLINT(cppcoreguidelines-owning-memory): kept for the process
  }
  Worker* worker = idleWorkers.back();
  idleWorkers.pop_back();
  return *worker;
}

void ReturnWorker(Worker& worker) {
  const std::lock_guard<std::mutex> guard(idleMutex);
  idleWorkers.push_back(&worker);
}

}  // namespace

void RunInterruptibly(const std::function<void()>& work) {
  PassControl control;
  // Shared with the job, which the worker holds a moment after the result is set.
  const auto finished = std::make_shared<std::promise<void>>();
  std::future<void> done = finished->get_future();
  Worker& worker = TakeWorker();
  worker.Start([&control, &work, finished] {
    std::exception_ptr failure;
    {
      const ScopedPassControl bound(control);
      try {
        work();
      } catch (...) {
        failure = std::current_exception();
      }
    }
    if (failure) {
      finished->set_exception(failure);
    } else {
      finished->set_value();
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
    done.wait();
  }
  ReturnWorker(worker);
  if (interrupted) throw pybind11::error_already_set();
  done.get();
}

bool PassCancelled() {
  const PassControl* control = CurrentPassControl();
  return control != nullptr && control->Cancelled();
}
