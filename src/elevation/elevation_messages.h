#pragma once
// The wording of the messages about an elevation model that could not be read: each names the
// file (its name, without the folders) and the reason in plain words, as a message
// (model/message.h) and its Russian text. Text that GDAL or the system gives is quoted as it is,
// after the reason; the file's name and those words are never translated.

#include <cstdint>
#include <string>

#include "elevation/elevation_model.h"

// What a message needs to know beyond the failure itself.
struct FailureFacts {
  int width = 0;  // the grid's size, for kTooLarge and kOutOfMemory
  int height = 0;
  int band = 0;                   // the band asked for, for kNoSuchBand
  int bandCount = 0;              // the bands in the file, for kNoSuchBand
  std::string outsideWords = {};  // GDAL's or the system's own words, when they say more
  std::string otherFile = {};     // the file beside it, for kDataNotRegular
  int64_t line = 0;               // for kStrayText: the token's line and its text
  std::string token = {};
  int64_t needed = 0;  // for kShortData: the bytes the header asks for and those in the file
  int64_t present = 0;
};

ElevationError MakeElevationError(const std::string& path, ElevationFailure failure,
                                  const FailureFacts& facts = {});
