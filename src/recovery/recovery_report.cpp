#include "recovery/recovery_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "model/angles.h"
#include "recovery/recovered_regions.h"
#include "surface/surface_gradients.h"

namespace {

// The angle between (-p, -q, 1) and (-p', -q', 1), in degrees: atan2 of the cross product's
// length (formed from the differences, so equal normals give exactly 0) and the dot product.
double AngleBetween(const Gradient& a, const Gradient& b) {
  const double dot = a.p * b.p + a.q * b.q + 1.0;
  const double cross = std::sqrt((b.q - a.q) * (b.q - a.q) + (a.p - b.p) * (a.p - b.p) +
                                 (a.p * b.q - a.q * b.p) * (a.p * b.q - a.q * b.p));
  return std::atan2(cross, dot) * kDegreesPerHalfTurn / kPi;
}

bool BothHave(const SurfaceGradients& truth, const RecoveredNormals& normals, size_t cell) {
  return !std::isnan(truth.pq[cell].p) && normals.Has(cell);
}

void MeasureNormals(const HeightField& truth, const RecoveredNormals& normals,
                    RecoveryReport& report) {
  const SurfaceGradients trueGradients = GradientsOf(truth);
  std::vector<double> angles;
  double gradientSum = 0.0;
  for (size_t cell = 0; cell < normals.Cells(); ++cell) {
    if (!BothHave(trueGradients, normals, cell)) continue;
    const Gradient& t = trueGradients.pq[cell];
    const Gradient r{normals.p[cell], normals.q[cell]};
    angles.push_back(AngleBetween(t, r));
    gradientSum += std::hypot(t.p - r.p, t.q - r.q);
  }
  report.recoveredPixels = static_cast<int64_t>(angles.size());
  if (angles.empty()) return;
  const double count = static_cast<double>(angles.size());
  double angleSum = 0.0;
  for (const double angle : angles) angleSum += angle;
  report.meanAngularErrorDeg = angleSum / count;
  report.meanGradientError = gradientSum / count;
  const size_t middle = angles.size() / 2;
  std::nth_element(angles.begin(), angles.begin() + middle, angles.end());
  double median = angles[middle];
  if (angles.size() % 2 == 0) {
    median = 0.5 * (median + *std::max_element(angles.begin(), angles.begin() + middle));
  }
  report.medianAngularErrorDeg = median;
}

bool BothHave(const HeightField& truth, const HeightField& heights, size_t cell) {
  return std::isfinite(truth.z[cell]) && std::isfinite(heights.z[cell]);
}

// Over the cells with both heights and, when normals are given, a recovered normal: the
// integrators fill an unrecovered cell (an unlit rim, a masked one) with heights of no meaning.
// Each connected region of those cells is aligned on its own: the cell order of the sums is the
// grid's, so one region gives the shift of MeanHeightShift to the last bit.
void MeasureDepth(const HeightField& truth, const HeightField& heights,
                  const RecoveredNormals* normals, RecoveryReport& report) {
  std::vector<char> measured(truth.z.size(), 0);
  double low = INFINITY, high = -INFINITY;
  for (size_t cell = 0; cell < truth.z.size(); ++cell) {
    if (!BothHave(truth, heights, cell) || (normals != nullptr && !normals->Has(cell))) continue;
    measured[cell] = 1;
    low = std::min(low, truth.z[cell]);
    high = std::max(high, truth.z[cell]);
  }
  const CellRegions regions = ConnectedRegions(measured, truth.width, truth.height);
  if (regions.count == 0) return;
  std::vector<double> trueSum(static_cast<size_t>(regions.count), 0.0);
  std::vector<double> sum(trueSum.size(), 0.0), count(trueSum.size(), 0.0);
  for (size_t cell = 0; cell < truth.z.size(); ++cell) {
    const int region = regions.label[cell];
    if (region < 0) continue;
    trueSum[static_cast<size_t>(region)] += truth.z[cell];
    sum[static_cast<size_t>(region)] += heights.z[cell];
    count[static_cast<size_t>(region)] += 1.0;
  }
  double square = 0.0, absolute = 0.0, cells = 0.0;
  for (size_t cell = 0; cell < truth.z.size(); ++cell) {
    const auto region = static_cast<size_t>(regions.label[cell]);
    if (regions.label[cell] < 0) continue;
    const double shift = (trueSum[region] - sum[region]) / count[region];
    const double error = heights.z[cell] + shift - truth.z[cell];
    square += error * error;
    absolute += std::abs(error);
    cells += 1.0;
  }
  report.depthRms = std::sqrt(square / cells);
  report.depthRmsPercent =
      high > low ? 100.0 * report.depthRms / (high - low) : RecoveryReport::kNone;
  report.meanDepthError = absolute / cells;
  // The absolute errors' spread: E|e|^2 - (E|e|)^2, with E|e|^2 the mean square.
  const double spread = square / cells - report.meanDepthError * report.meanDepthError;
  report.stdDepthError = std::sqrt(std::max(0.0, spread));
}

void AppendLine(std::string& text, const char* name, double value) {
  char digits[64];
  const std::to_chars_result end =
      std::to_chars(digits, digits + sizeof(digits), value, std::chars_format::general, 6);
  text += name;
  text += '=';
  text.append(digits, end.ptr);
  text += '\n';
}

}  // namespace

double MeanHeightShift(const HeightField& truth, const HeightField& heights) {
  double trueSum = 0.0, sum = 0.0, count = 0.0;
  for (size_t cell = 0; cell < truth.z.size(); ++cell) {
    if (!BothHave(truth, heights, cell)) continue;
    trueSum += truth.z[cell];
    sum += heights.z[cell];
    count += 1.0;
  }
  return count > 0.0 ? (trueSum - sum) / count : 0.0;
}

RecoveredNormals NormalsOfHeights(const HeightField& heights) {
  const SurfaceGradients gradients = GradientsOf(heights);
  RecoveredNormals normals{
      heights.width, heights.height, heights.spacingX, heights.spacingY, {}, {}, {}};
  for (const Gradient& g : gradients.pq) {
    normals.p.push_back(g.p);
    normals.q.push_back(g.q);
    normals.albedo.push_back(std::isnan(g.p) ? g.p : 1.0);
  }
  return normals;
}

std::vector<double> AngularErrors(const HeightField& truth, const RecoveredNormals& normals) {
  const SurfaceGradients trueGradients = GradientsOf(truth);
  std::vector<double> angles(normals.Cells(), RecoveryReport::kNone);
  for (size_t cell = 0; cell < normals.Cells(); ++cell) {
    if (!BothHave(trueGradients, normals, cell)) continue;
    angles[cell] = AngleBetween(trueGradients.pq[cell], {normals.p[cell], normals.q[cell]});
  }
  return angles;
}

RecoveryReport MeasureRecovery(const HeightField& truth, const HeightField* heights,
                               const RecoveredNormals* normals) {
  RecoveryReport report;
  if (normals != nullptr) {
    MeasureNormals(truth, *normals, report);
  } else if (heights != nullptr) {
    MeasureNormals(truth, NormalsOfHeights(*heights), report);
  }
  if (heights != nullptr) MeasureDepth(truth, *heights, normals, report);
  return report;
}

std::string FormatRecoveryReport(const RecoveryReport& report) {
  std::string text;
  AppendLine(text, "mean_angular_error_deg", report.meanAngularErrorDeg);
  AppendLine(text, "median_angular_error_deg", report.medianAngularErrorDeg);
  AppendLine(text, "depth_rms", report.depthRms);
  AppendLine(text, "depth_rms_percent", report.depthRmsPercent);
  AppendLine(text, "mean_depth_error", report.meanDepthError);
  AppendLine(text, "std_depth_error", report.stdDepthError);
  AppendLine(text, "mean_gradient_error", report.meanGradientError);
  text += "recovered_pixels=" + std::to_string(report.recoveredPixels) + "\n";
  return text;
}
