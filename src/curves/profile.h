#pragma once
// A profile: what a picture shows along a straight line between two of its pixels, read pixel by
// pixel with the picture's own readout (the sphere's, the map's or a surface's), so that each
// value is the readout's at that pixel. The pixels are those a line drawn from the first to the
// second passes through, one for each step of the longer side, both ends included.
//
//   (x0, y0) -> (x1, y1) -> pixels -> readAt(x, y) -> samples -> CSV

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pass/readout.h"

struct ProfileSample {
  int x = 0;
  int y = 0;
  double distance = 0.0;           // from the first pixel, in pixels
  std::optional<Readout> readout;  // nothing over the background
  std::vector<float> otherPhis;    // the extra sources' phi, where the picture has them
};

// The pixels of the line from (x0, y0) to (x1, y1), in order.
std::vector<std::pair<int, int>> LinePixels(int x0, int y0, int x1, int y1);

using ProfileReader = std::function<std::optional<Readout>(int x, int y)>;
using OtherPhisReader = std::function<std::vector<float>(int x, int y)>;

std::vector<ProfileSample> ReadProfile(int x0, int y0, int x1, int y1, const ProfileReader& readAt,
                                       const OtherPhisReader& otherPhis = {});

// "x,y,phi,painted" (with phi2, phi3 for the extra sources), then a row for each sample; a pixel
// over the background has empty phi and painted. Numbers as the readout line writes them.
std::string ProfileCsv(const std::vector<ProfileSample>& samples);
