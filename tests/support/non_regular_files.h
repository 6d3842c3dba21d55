#pragma once
// Targets that are not regular files, for the tests of the window's and the renderer's writes:
// a FIFO with a reader on a thread, and a character device that fails every write with ENOSPC.
// POSIX only, no test framework.

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <thread>

// Reads a FIFO from the moment it is made until its writer has closed it. The read end is open
// at once, so a writer's open neither waits nor fails; the reading runs on a thread, so a writer
// of more than the pipe's buffer is not blocked.
class FifoReader {
 public:
  explicit FifoReader(const std::string& path) {
    if (::mkfifo(path.c_str(), 0600) != 0) return;
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ >= 0) thread_ = std::thread([this] { Read(); });
  }
  ~FifoReader() { Finish(); }
  FifoReader(const FifoReader&) = delete;
  FifoReader& operator=(const FifoReader&) = delete;

  bool Ready() const { return fd_ >= 0; }

  // Call once the writer is done (or has failed): everything it wrote.
  const std::string& Finish() {
    writerDone_ = true;
    if (thread_.joinable()) thread_.join();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    return bytes_;
  }

 private:
  void Read() {
    bool writerSeen = false;
    char chunk[65536];
    while (true) {
      pollfd waiting{fd_, POLLIN, 0};
      ::poll(&waiting, 1, 50);
      const bool done = writerDone_;  // read before the read: a late writer's bytes still come
      const ssize_t count = ::read(fd_, chunk, sizeof chunk);
      if (count > 0) {
        bytes_.append(chunk, static_cast<size_t>(count));
        writerSeen = true;
      } else if (count < 0 && errno == EAGAIN) {
        writerSeen = true;  // a writer holds the FIFO open and has written nothing yet
      } else if (count == 0 && (writerSeen || done)) {
        return;  // no writer any more (or never one, and none is coming)
      } else if (count < 0 && errno != EINTR) {
        return;
      }
    }
  }

  int fd_ = -1;
  std::atomic<bool> writerDone_ = false;
  std::string bytes_;
  std::thread thread_;
};

// Makes `path` a character device on which every write fails with ENOSPC. As root, a node of its
// own with /dev/full's numbers, so that a fault which replaced it harms nothing; otherwise a link
// to /dev/full, which an unprivileged fault cannot replace. False if it could not be made.
inline bool MakeFullDevice(const std::string& path) {
  if (::geteuid() == 0) return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;
  return ::symlink("/dev/full", path.c_str()) == 0;
}

// True if `path` (links followed) is a FIFO or a character device.
inline bool IsFifo(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}
inline bool IsCharacterDevice(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}
