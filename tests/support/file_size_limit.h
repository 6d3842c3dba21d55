#pragma once
// RLIMIT_FSIZE lowered for this process while it lives, SIGXFSZ ignored as the programs' main
// ignores it, so that the limit arrives as EFBIG: a write that fails part-way, for the tests of
// the files a window writes.

#include <sys/resource.h>

#include <QtGlobal>
#include <csignal>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &lowered) != 0) qFatal("cannot lower the file-size limit");
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  void (*previousHandler_)(int);
  rlimit previous_{};
};
