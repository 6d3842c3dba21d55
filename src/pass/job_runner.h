#pragma once
// Background jobs: one thread that lives as long as its runner takes jobs one at a time, in the
// order given, and runs each with its PassControl bound, so that the passes a job runs spread
// over the pass pool and stop at their next block once the job is cancelled.
//
//   Submit(work, finished) -> ticket -> the runner's thread: work(control), then finished()
//   ticket: Cancel(), Progress(), WaitDone(budget)
//
// A job cancelled before it began is never run, and its `finished` is not called; one cancelled
// while it runs ends early and `finished` is called all the same (its owner reads Cancelled()).
// Destroying the runner cancels every job and waits for the one running to stop.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "pass/pass_control.h"

class JobTicket {
 public:
  void Cancel() { control_.Cancel(); }
  bool Cancelled() const { return control_.Cancelled(); }
  double Progress() const { return control_.Progress(); }
  // Waits at most `budget` for the job to end (run to its end, stopped early or passed over);
  // true once it has.
  bool WaitDone(std::chrono::milliseconds budget);
  bool Done();

 private:
  friend class JobRunner;
  void MarkDone();

  PassControl control_;
  std::mutex mutex_;
  std::condition_variable doneChanged_;
  bool done_ = false;
};

class JobRunner {
 public:
  using Work = std::function<void()>;
  using Finished = std::function<void()>;

  JobRunner();
  ~JobRunner();
  JobRunner(const JobRunner&) = delete;
  JobRunner& operator=(const JobRunner&) = delete;

  // Queues `work`; `finished` runs on the runner's thread once the work has returned.
  std::shared_ptr<JobTicket> Submit(Work work, Finished finished = {});

 private:
  struct Job {
    std::shared_ptr<JobTicket> ticket;
    Work work;
    Finished finished;
  };

  void Loop();

  std::mutex mutex_;
  std::condition_variable queued_;
  std::deque<Job> jobs_;
  std::shared_ptr<JobTicket> running_;  // the job the thread runs now, if any
  bool stopping_ = false;
  std::thread thread_;
};
