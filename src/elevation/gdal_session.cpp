#include "elevation/gdal_session.h"

#include <cpl_error.h>
#include <gdal.h>

#include <mutex>

namespace {

// Registering the drivers is not safe to race; once for the program is enough.
std::once_flag registered;

}  // namespace

GdalSession::GdalSession() {
  // The handler is pushed first, so that registering prints nothing either. The stack of handlers
  // is per thread: readings on other threads are not affected.
  CPLPushErrorHandler(CPLQuietErrorHandler);
  std::call_once(registered, [] { GDALAllRegister(); });
  CPLErrorReset();
}

GdalSession::~GdalSession() { CPLPopErrorHandler(); }

std::string LastGdalMessage() {
  if (CPLGetLastErrorType() == CE_None) return "";
  return CPLGetLastErrorMsg();
}
