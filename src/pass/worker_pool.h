#pragma once
// The threads the passes run on: a pool that lives as long as the program, sized by default to
// the CPUs the process may run on (its affinity mask, so `taskset -c 0` gives one thread).
//
//   Run(blocks, task) -> workers and the calling thread take blocks from one counter -> the
//   caller returns once the count of finished blocks reaches `blocks`
//
// No barrier: a worker that is slow to wake (its core busy elsewhere) takes fewer blocks or
// none, and the others finish the pass without it.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
 public:
  // `threads` counts the calling thread: threads - 1 workers are started (none for 1 or less).
  explicit WorkerPool(int threads);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  int Threads() const { return static_cast<int>(workers_.size()) + 1; }

  // Calls task(block) once for every block in 0..blocks-1, on the workers and the calling
  // thread, and returns when every call has returned. One Run at a time: a second caller waits.
  template <typename Task>
  void Run(int blocks, const Task& task) {
    RunErased(
        blocks, [](const void* context, int block) { (*static_cast<const Task*>(context))(block); },
        &task);
  }

 private:
  using ErasedTask = void (*)(const void* context, int block);

  void RunErased(int blocks, ErasedTask task, const void* context);
  // Takes and runs blocks of the job `generation` until none is left.
  void TakeBlocks(uint32_t generation);
  void WorkerLoop();

  // The job: its generation in the high 32 bits, the next block to take in the low 32.
  std::atomic<uint64_t> ticket_{0};
  std::atomic<int> blocks_{0};
  std::atomic<ErasedTask> task_{nullptr};
  std::atomic<const void*> context_{nullptr};
  std::atomic<int> finished_{0};
  std::atomic<bool> stopping_{false};
  std::mutex running_;
  std::vector<std::thread> workers_;
};

// The CPUs of the process's affinity mask; 1 when it cannot be read.
int AvailableCpus();

// The program's pool, made on first use with PassThreadCount() threads.
WorkerPool& PassPool();

// The threads of the passes: AvailableCpus() unless set. Setting it (at least 1) replaces the
// pool; not while a pass runs.
int PassThreadCount();
void SetPassThreadCount(int threads);
