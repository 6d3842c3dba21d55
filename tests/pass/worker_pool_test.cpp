#include "pass/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(WorkerPool, RunsEveryBlockOnceAndReturnsWhenAllHaveFinished) {
  for (const int threads : {1, 2, 3, 8}) {
    WorkerPool pool(threads);
    EXPECT_EQ(pool.Threads(), threads);
    // Many short jobs in a row: a worker late for one job must not take a block of the next.
    for (int job = 0; job < 300; ++job) {
      const int blocks = job % 37;
      std::vector<std::atomic<int>> runs(static_cast<size_t>(blocks));
      pool.Run(blocks, [&](int block) { runs[static_cast<size_t>(block)].fetch_add(1); });
      for (int block = 0; block < blocks; ++block) {
        ASSERT_EQ(runs[static_cast<size_t>(block)].load(), 1)
            << threads << " threads, job " << job << ", block " << block;
      }
    }
  }
}

// Two threads pass jobs of different block counts to one pool back to back (the window's runner
// and a renderer, say): each job's blocks run once, under its own task, whoever runs first.
TEST(WorkerPool, JobsFromTwoThreadsKeepToTheirOwnBlocks) {
  WorkerPool pool(3);
  std::atomic<int> wrong{0};
  const auto caller = [&](int offset) {
    for (int job = 0; job < 400; ++job) {
      const int blocks = 1 + (job * 7 + offset) % 29;
      std::vector<std::atomic<int>> runs(static_cast<size_t>(blocks));
      pool.Run(blocks, [&](int block) {
        if (block < 0 || block >= blocks) {
          wrong.fetch_add(1);
          return;
        }
        runs[static_cast<size_t>(block)].fetch_add(1);
      });
      for (const std::atomic<int>& count : runs) {
        if (count.load() != 1) wrong.fetch_add(1);
      }
    }
  };
  std::thread other(caller, 13);
  caller(0);
  other.join();
  EXPECT_EQ(wrong.load(), 0);
}

TEST(WorkerPool, TheProgramsPoolFollowsTheThreadCount) {
  EXPECT_GE(AvailableCpus(), 1);
  for (const int threads : {3, 1, 2}) {
    SetPassThreadCount(threads);
    EXPECT_EQ(PassThreadCount(), threads);
    EXPECT_EQ(PassPool().Threads(), threads);
  }
  SetPassThreadCount(0);  // below 1 counts as 1
  EXPECT_EQ(PassPool().Threads(), 1);
  SetPassThreadCount(AvailableCpus());
}

}  // namespace
