#pragma once
// FFTW's planner (making and destroying plans) may be used by one thread at a time, across the
// whole program; executing a plan needs no lock. Every caller that plans takes this one lock.
//
// A plan may split its work into jobs that FFTW hands to the pass pool (pass/worker_pool.h), so
// that transforms use the program's threads rather than threads of their own. Such a plan must
// not be executed from inside a pool block (the pool runs one job at a time).

#include <mutex>

// The lock, FFTW's threads made ready the first time it is taken.
std::mutex& FftwPlannerLock();

// Under the lock: the plans made next split their work into up to `threads` jobs on the pass pool
// (1: they run on the calling thread alone, as plans do unless this is called).
void FftwPlanThreads(int threads);
