#include "surface/fftw_planner.h"

std::mutex& FftwPlannerLock() {
  static std::mutex lock;
  return lock;
}
