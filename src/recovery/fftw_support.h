#pragma once
// FFTW's arrays (aligned as its plans want) and plans, made and destroyed under the program's
// one planner lock (surface/fftw_planner.h); a plan is executed without it. A transform's
// workspace (its arrays and plans) is kept by each thread for the last grid size it saw: planning
// and fresh pages cost more than the transform itself.

#include <fftw3.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>

#include "pass/worker_pool.h"
#include "surface/fftw_planner.h"

template <typename T>
class FftwArray {
 public:
  explicit FftwArray(size_t count) : data_(static_cast<T*>(fftw_malloc(sizeof(T) * count))) {
    if (!data_) throw std::bad_alloc();
  }
  T* Data() const { return data_.get(); }
  T& operator[](size_t index) const { return data_.get()[index]; }

 private:
  struct Free {
    void operator()(T* memory) const { fftw_free(memory); }
  };
  std::unique_ptr<T, Free> data_;
};

class FftwPlan {
 public:
  // make() returns the plan; it runs under the planner lock, the plan's work split into jobs
  // for the pass pool's threads.
  template <typename Make>
  explicit FftwPlan(const Make& make) {
    const std::lock_guard<std::mutex> guard(FftwPlannerLock());
    FftwPlanThreads(PassThreadCount());
    plan_ = make();
    FftwPlanThreads(1);
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

// The calling thread's workspace for a width x height grid, made anew when the size changes.
// Workspace(width, height) makes its arrays and plans; it exposes `width` and `height`.
template <typename Workspace>
Workspace& ThreadWorkspace(int width, int height) {
  thread_local std::unique_ptr<Workspace> workspace;
  if (!workspace || workspace->width != width || workspace->height != height) {
    workspace.reset();  // its plans are destroyed before the new ones are made
    workspace = std::make_unique<Workspace>(width, height);
  }
  return *workspace;
}
