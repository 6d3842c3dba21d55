#pragma once
// Runs a piece of work on a thread with a deadline, for the tests that a FIFO never holds a
// reader. When the work is still running at the deadline, each FIFO named is opened for writing
// and closed again: a reader waiting in open() or read() then sees the end of the file, so the
// test reports the fault instead of hanging. POSIX only, no test framework.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

template <typename Work>
bool FinishesWithin(std::chrono::milliseconds deadline, const std::vector<std::string>& fifos,
                    Work&& work) {
  std::packaged_task<void()> task(std::forward<Work>(work));
  std::future<void> done = task.get_future();
  std::thread runner(std::move(task));
  const bool inTime = done.wait_for(deadline) == std::future_status::ready;
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    for (const std::string& fifo : fifos) {
      const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) ::close(fd);
    }
  }
  runner.join();
  return inTime;
}
