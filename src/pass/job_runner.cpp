#include "pass/job_runner.h"

#include <utility>

bool JobTicket::WaitDone(std::chrono::milliseconds budget) {
  std::unique_lock<std::mutex> lock(mutex_);
  return doneChanged_.wait_for(lock, budget, [this] { return done_; });
}

bool JobTicket::Done() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return done_;
}

void JobTicket::MarkDone() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  doneChanged_.notify_all();
}

JobRunner::JobRunner() : thread_([this] { Loop(); }) {}

JobRunner::~JobRunner() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    for (Job& job : jobs_) job.ticket->Cancel();
    if (running_) running_->Cancel();
  }
  queued_.notify_all();
  thread_.join();
}

std::shared_ptr<JobTicket> JobRunner::Submit(Work work, Finished finished) {
  auto ticket = std::make_shared<JobTicket>();
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(Job{ticket, std::move(work), std::move(finished)});
  }
  queued_.notify_one();
  return ticket;
}

void JobRunner::Loop() {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      queued_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (jobs_.empty()) return;  // stopping, nothing left to pass over
      job = std::move(jobs_.front());
      jobs_.pop_front();
      if (stopping_) job.ticket->Cancel();
      running_ = job.ticket;
    }
    if (!job.ticket->Cancelled()) {
      const ScopedPassControl bound(job.ticket->control_);
      job.work();
      if (job.finished) job.finished();
    }
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      running_.reset();
    }
    job.ticket->MarkDone();
  }
}
