#pragma once
// GDAL set up for one reading on the calling thread: the drivers registered (once for the
// program), GDAL's errors kept from stderr for as long as the session lives, and the last error
// cleared, so that LastGdalMessage tells what went wrong during this reading only.

#include <string>

class GdalSession {
 public:
  GdalSession();
  ~GdalSession();
  GdalSession(const GdalSession&) = delete;
  GdalSession& operator=(const GdalSession&) = delete;
};

// GDAL's text of the last error on this thread, empty when there was none.
std::string LastGdalMessage();
