#pragma once
// The window program's start on a machine where no window can open (no display, a platform
// plug-in that does not start): Qt then ends the program from QApplication's constructor with an
// abort. While a PlatformGuard lives, that fatal message instead prints what went wrong on
// standard error, with the platform's own first warning as the reason, and ends the program with
// exit status 2, as a wrong option does. Every other message passes to the handler before it.

#include <QtGlobal>

class PlatformGuard final {
 public:
  PlatformGuard();
  ~PlatformGuard();
  PlatformGuard(const PlatformGuard&) = delete;
  PlatformGuard& operator=(const PlatformGuard&) = delete;
};
