#pragma once
// Work with a deadline, for the tests that a FIFO never holds a reader. When the work is still
// running at the deadline, each FIFO named is opened for writing and closed again: a reader waiting
// in open() or read() then sees the end of the file, so the test reports the fault instead of
// hanging. POSIX only, no test framework.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

// Opens each FIFO for writing and closes it again: a reader waiting on it sees the end of file.
inline void ReleaseReaders(const std::vector<std::string>& fifos) {
  for (const std::string& fifo : fifos) {
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) ::close(fd);
  }
}

// For work that must stay on the calling thread (a window's): from `deadline` on, until this
// is destroyed, a thread releases any reader of the FIFOs, so that a fault makes the test slow
// and failing rather than hung. The caller measures the time itself.
class FifoWatchdog {
 public:
  FifoWatchdog(std::chrono::milliseconds deadline, std::vector<std::string> fifos)
      : thread_([this, deadline, fifos = std::move(fifos)] {
          const auto start = std::chrono::steady_clock::now();
          while (!done_) {
            if (std::chrono::steady_clock::now() - start > deadline) ReleaseReaders(fifos);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
          }
        }) {}
  ~FifoWatchdog() {
    done_ = true;
    thread_.join();
  }
  FifoWatchdog(const FifoWatchdog&) = delete;
  FifoWatchdog& operator=(const FifoWatchdog&) = delete;

 private:
  std::atomic<bool> done_ = false;
  std::thread thread_;
};

template <typename Work>
bool FinishesWithin(std::chrono::milliseconds deadline, const std::vector<std::string>& fifos,
                    Work&& work) {
  std::packaged_task<void()> task(std::forward<Work>(work));
  std::future<void> done = task.get_future();
  std::thread runner(std::move(task));
  const bool inTime = done.wait_for(deadline) == std::future_status::ready;
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    ReleaseReaders(fifos);
  }
  runner.join();
  return inTime;
}
