#include "pass/worker_pool.h"

#include <sched.h>

#include <memory>

namespace {

constexpr int kGenerationShift = 32;
constexpr uint64_t kBlockMask = 0xffffffffU;
constexpr uint64_t kClosed = kBlockMask;  // a next block beyond every job's last

uint32_t GenerationOf(uint64_t ticket) { return static_cast<uint32_t>(ticket >> kGenerationShift); }
uint32_t BlockOf(uint64_t ticket) { return static_cast<uint32_t>(ticket & kBlockMask); }

std::mutex& PoolMutex() {
  static std::mutex mutex;
  return mutex;
}

std::unique_ptr<WorkerPool>& PoolSlot() {
  static std::unique_ptr<WorkerPool> pool;
  return pool;
}

int& ThreadCountSlot() {
  static int threads = 0;  // 0: not set
  return threads;
}

}  // namespace

WorkerPool::WorkerPool(int threads) {
  for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { WorkerLoop(); });
}

WorkerPool::~WorkerPool() {
  stopping_.store(true);
  blocks_.store(0);                                    // the generation below has no block to take
  ticket_.fetch_add(uint64_t{1} << kGenerationShift);  // wakes every waiting worker
  ticket_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void WorkerPool::RunErased(int blocks, ErasedTask task, const void* context) {
  if (blocks <= 0) return;
  const std::lock_guard<std::mutex> lock(running_);
  if (workers_.empty()) {
    for (int block = 0; block < blocks; ++block) task(context, block);
    return;
  }
  // A new generation, closed while the job is written: a worker still holding the last job's
  // ticket can no longer take a block under it, and one that sees the new block count (acquire)
  // sees the closed ticket too.
  const uint32_t generation = GenerationOf(ticket_.load(std::memory_order_relaxed)) + 1;
  const uint64_t opened = uint64_t{generation} << kGenerationShift;
  ticket_.store(opened | kClosed, std::memory_order_relaxed);
  blocks_.store(blocks, std::memory_order_release);
  task_.store(task, std::memory_order_relaxed);
  context_.store(context, std::memory_order_relaxed);
  finished_.store(0, std::memory_order_relaxed);
  ticket_.store(opened, std::memory_order_release);
  ticket_.notify_all();
  TakeBlocks(generation);
  for (int done = finished_.load(std::memory_order_acquire); done < blocks;
       done = finished_.load(std::memory_order_acquire)) {
    finished_.wait(done, std::memory_order_acquire);
  }
}

void WorkerPool::TakeBlocks(uint32_t generation) {
  uint64_t ticket = ticket_.load(std::memory_order_acquire);
  while (GenerationOf(ticket) == generation) {
    const int blocks = blocks_.load(std::memory_order_acquire);
    if (BlockOf(ticket) >= static_cast<uint32_t>(blocks)) return;
    if (!ticket_.compare_exchange_weak(ticket, ticket + 1, std::memory_order_acq_rel)) continue;
    task_.load(std::memory_order_relaxed)(context_.load(std::memory_order_relaxed),
                                          static_cast<int>(BlockOf(ticket)));
    if (finished_.fetch_add(1, std::memory_order_acq_rel) + 1 == blocks) finished_.notify_all();
    ticket = ticket_.load(std::memory_order_acquire);
  }
}

void WorkerPool::WorkerLoop() {
  uint64_t seen = ticket_.load(std::memory_order_acquire);
  while (!stopping_.load()) {
    TakeBlocks(GenerationOf(seen));
    ticket_.wait(seen, std::memory_order_acquire);
    seen = ticket_.load(std::memory_order_acquire);
  }
}

int AvailableCpus() {
  cpu_set_t mask;
  CPU_ZERO(&mask);
  if (sched_getaffinity(0, sizeof mask, &mask) != 0) return 1;
  const int count = CPU_COUNT(&mask);
  return count > 0 ? count : 1;
}

WorkerPool& PassPool() {
  const std::lock_guard<std::mutex> lock(PoolMutex());
  std::unique_ptr<WorkerPool>& pool = PoolSlot();
  if (!pool) {
    const int threads = ThreadCountSlot();
    pool = std::make_unique<WorkerPool>(threads > 0 ? threads : AvailableCpus());
  }
  return *pool;
}

int PassThreadCount() {
  const std::lock_guard<std::mutex> lock(PoolMutex());
  const int threads = ThreadCountSlot();
  return threads > 0 ? threads : AvailableCpus();
}

void SetPassThreadCount(int threads) {
  const std::lock_guard<std::mutex> lock(PoolMutex());
  ThreadCountSlot() = threads < 1 ? 1 : threads;
  PoolSlot().reset();
}
