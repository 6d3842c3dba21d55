#include "curves/photometric_equator.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "curves/csv_row.h"
#include "overlay/sphere_marks.h"
#include "pass/readout.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

namespace {

constexpr int kHalfSteps = 180 * kEquatorStepsPerDegree;  // from e = 0 to either side's 180

}  // namespace

std::vector<ProfileSample> PhotometricEquatorProfile(const RenderState& lastPass, int width,
                                                     int height) {
  // W: the unit vector in the circle's plane perpendicular to V, towards the source.
  double wx = lastPass.sourceX;
  double wy = lastPass.sourceY;
  const double across = std::hypot(wx, wy);
  if (across > 1e-9) {
    wx /= across;
    wy /= across;
  } else {
    wx = 0.0;
    wy = 1.0;
  }
  const PassConstants pass = MakePassConstants(lastPass);
  std::vector<ProfileSample> samples;
  for (int k = -kHalfSteps; k <= kHalfSteps; ++k) {
    if (std::abs(k) == kHalfSteps / 2) continue;  // e = 90: the laws in cos e divide by 0 there
    const double t = k * std::numbers::pi / kHalfSteps;
    const double c = std::cos(t);
    const double s = std::sin(t);
    const std::optional<PixelPoint> at =
        DirectionOnPicture(lastPass, width, height, s * wx, s * wy, c);
    if (!at) continue;
    const int x = static_cast<int>(std::lround(at->x));
    const int y = static_cast<int>(std::lround(at->y));
    if (x < 0 || y < 0 || x >= width || y >= height) continue;
    const Point3 normal{static_cast<float>(s * wx), static_cast<float>(s * wy),
                        static_cast<float>(c)};
    const Readout readout = MakeReadout(lastPass, ReadSurfacePoint(normal, lastPass, pass));
    samples.push_back({x, y, static_cast<double>(k) / kEquatorStepsPerDegree, readout, {}});
  }
  return samples;
}

std::string EquatorProfileCsv(const std::vector<ProfileSample>& samples) {
  std::string csv = CsvRow({"e", "x", "y", "phi", "painted"});
  for (const ProfileSample& sample : samples) {
    std::vector<std::string> row{ReadoutNumber(sample.distance, 3), std::to_string(sample.x),
                                 std::to_string(sample.y), "", ""};
    if (sample.readout) {
      row[3] = ReadoutNumber(sample.readout->reading.functionPhi, 3);
      row[4] = ReadoutNumber(sample.readout->reading.phi, 3);
    }
    csv += CsvRow(row);
  }
  return csv;
}
