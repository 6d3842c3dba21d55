#include "pass/job_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using std::chrono::milliseconds;

// Spins until its pass is cancelled, for at most 10 s; true if it saw the cancel.
bool RunUntilCancelled() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  const PassControl* control = CurrentPassControl();
  while (std::chrono::steady_clock::now() < deadline) {
    if (control != nullptr && control->Cancelled()) return true;
    std::this_thread::yield();
  }
  return false;
}

TEST(JobRunner, RunsJobsInOrderAndCallsFinishedAfterTheWork) {
  JobRunner runner;
  std::atomic<int> step{0};
  const auto first = runner.Submit([&] { step.store(step == 0 ? 1 : -1); },
                                   [&] { step.store(step == 1 ? 2 : -1); });
  const auto second = runner.Submit([&] { step.store(step == 2 ? 3 : -1); });
  ASSERT_TRUE(second->WaitDone(milliseconds(10000)));
  EXPECT_TRUE(first->Done());
  EXPECT_EQ(step.load(), 3);
}

// A job cancelled while it waits never runs; one cancelled while it runs sees it and stops.
TEST(JobRunner, CancelReachesTheRunningJobAndPassesOverAQueuedOne) {
  JobRunner runner;
  std::atomic<bool> started{false};
  std::atomic<bool> sawCancel{false};
  std::atomic<int> queuedRan{0};
  const auto running = runner.Submit([&] {
    started.store(true);
    sawCancel.store(RunUntilCancelled());
  });
  const auto queued =
      runner.Submit([&] { queuedRan.fetch_add(1); }, [&] { queuedRan.fetch_add(1); });
  while (!started.load()) std::this_thread::yield();
  EXPECT_FALSE(running->WaitDone(milliseconds(1)));
  queued->Cancel();
  running->Cancel();
  ASSERT_TRUE(queued->WaitDone(milliseconds(10000)));
  EXPECT_TRUE(sawCancel.load());
  EXPECT_EQ(queuedRan.load(), 0);
}

// Quitting must not wait for a long pass to end: the runner's destructor cancels it.
TEST(JobRunner, DestroyingTheRunnerCancelsTheRunningJob) {
  std::atomic<bool> started{false};
  std::atomic<bool> sawCancel{false};
  std::shared_ptr<JobTicket> ticket;
  {
    JobRunner runner;
    ticket = runner.Submit([&] {
      started.store(true);
      sawCancel.store(RunUntilCancelled());
    });
    while (!started.load()) std::this_thread::yield();
  }
  EXPECT_TRUE(sawCancel.load());
  EXPECT_TRUE(ticket->Done());
}

}  // namespace
