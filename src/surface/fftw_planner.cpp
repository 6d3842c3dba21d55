#include "surface/fftw_planner.h"

#include <fftw3.h>

#include "pass/worker_pool.h"

namespace {

// FFTW's parallel loop: `jobs` calls of work(jobData + k * size), as blocks of the pass pool.
void RunOnPassPool(void* (*work)(char*), char* jobData, size_t size, int jobs, void* /*data*/) {
  PassPool().Run(jobs, [&](int job) { work(jobData + static_cast<size_t>(job) * size); });
}

}  // namespace

std::mutex& FftwPlannerLock() {
  static std::mutex lock;
  // Before any plan: FFTW's threads, their loops handed to the pool, one thread until asked.
  static const bool kThreadsReady = [] {
    fftw_init_threads();
    fftw_threads_set_callback(RunOnPassPool, nullptr);
    fftw_plan_with_nthreads(1);
    return true;
  }();
  (void)kThreadsReady;
  return lock;
}

void FftwPlanThreads(int threads) { fftw_plan_with_nthreads(threads < 1 ? 1 : threads); }
