#include "curves/profile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

std::vector<std::pair<int, int>> LinePixels(int x0, int y0, int x1, int y1) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  std::vector<std::pair<int, int>> pixels;
  pixels.reserve(static_cast<size_t>(steps) + 1);
  for (int k = 0; k <= steps; ++k) {
    const double t = steps == 0 ? 0.0 : static_cast<double>(k) / steps;
    pixels.emplace_back(static_cast<int>(std::lround(x0 + t * (x1 - x0))),
                        static_cast<int>(std::lround(y0 + t * (y1 - y0))));
  }
  return pixels;
}

std::vector<ProfileSample> ReadProfile(int x0, int y0, int x1, int y1, const ProfileReader& readAt,
                                       const OtherPhisReader& otherPhis) {
  std::vector<ProfileSample> samples;
  for (const auto& [x, y] : LinePixels(x0, y0, x1, y1)) {
    ProfileSample sample{x, y, std::hypot(x - x0, y - y0), readAt(x, y), {}};
    if (otherPhis && sample.readout) sample.otherPhis = otherPhis(x, y);
    samples.push_back(std::move(sample));
  }
  return samples;
}

std::string ProfileCsv(const std::vector<ProfileSample>& samples) {
  size_t others = 0;
  for (const ProfileSample& sample : samples) others = std::max(others, sample.otherPhis.size());
  std::string csv = "x,y,phi,painted";
  for (size_t k = 0; k < others; ++k) csv += ",phi" + std::to_string(k + 2);
  csv += "\n";
  for (const ProfileSample& sample : samples) {
    csv += std::to_string(sample.x) + "," + std::to_string(sample.y) + ",";
    if (sample.readout) {
      csv += ReadoutNumber(sample.readout->reading.functionPhi, 3) + "," +
             ReadoutNumber(sample.readout->reading.phi, 3);
    } else {
      csv += ",";
    }
    for (size_t k = 0; k < others; ++k) {
      csv += ",";
      if (k < sample.otherPhis.size()) csv += ReadoutNumber(sample.otherPhis[k], 3);
    }
    csv += "\n";
  }
  return csv;
}
