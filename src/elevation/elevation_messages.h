#pragma once
// The Russian wording of the messages about an elevation model that could not be read: each
// names the file (its name, without the folders) and the reason in plain words. Text that GDAL or
// the system gives is quoted as it is, after the Russian reason.

#include <string>

#include "elevation/elevation_model.h"

// What a message needs to know beyond the failure itself.
struct FailureFacts {
  int width = 0;  // the grid's size, for kTooLarge and kOutOfMemory
  int height = 0;
  int band = 0;                   // the band asked for, for kNoSuchBand
  int bandCount = 0;              // the bands in the file, for kNoSuchBand
  std::string outsideWords = {};  // GDAL's or the system's own words, when they say more
};

ElevationError MakeElevationError(const std::string& path, ElevationFailure failure,
                                  const FailureFacts& facts = {});
