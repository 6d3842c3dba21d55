#pragma once
// FFTW's planner (making and destroying plans) may be used by one thread at a time, across the
// whole program; executing a plan needs no lock. Every caller that plans takes this one lock.

#include <mutex>

std::mutex& FftwPlannerLock();
