#pragma once
// FFTW's arrays (aligned as its plans want) and plans, made and destroyed under the program's
// one planner lock (surface/fftw_planner.h); a plan is executed without it.

#include <fftw3.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>

#include "surface/fftw_planner.h"

template <typename T>
class FftwArray {
 public:
  explicit FftwArray(size_t count) : data_(static_cast<T*>(fftw_malloc(sizeof(T) * count))) {
    if (!data_) throw std::bad_alloc();
  }
  T* get() const { return data_.get(); }
  T& operator[](size_t index) const { return data_.get()[index]; }

 private:
  struct Free {
    void operator()(T* memory) const { fftw_free(memory); }
  };
  std::unique_ptr<T, Free> data_;
};

class FftwPlan {
 public:
  // make() returns the plan; it runs under the planner lock.
  template <typename Make>
  explicit FftwPlan(const Make& make) {
    const std::lock_guard<std::mutex> guard(FftwPlannerLock());
    plan_ = make();
  }
  ~FftwPlan() {
    const std::lock_guard<std::mutex> guard(FftwPlannerLock());
    fftw_destroy_plan(plan_);
  }
  FftwPlan(const FftwPlan&) = delete;
  FftwPlan& operator=(const FftwPlan&) = delete;

  void Execute() const { fftw_execute(plan_); }

 private:
  fftw_plan plan_ = nullptr;
};
