#include "overlay/sphere_marks.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "pass/raster_walk.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"

namespace {

constexpr int kOutlineSteps = 720;  // points on a full circle: half a degree apart

struct Vector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The rotations of RotateObserver (about Ox, then Oy, then Oz) in double, and their inverse.
struct ViewTurn {
  const ViewConstants& view;

  Vector3 ToSphere(Vector3 p) const {
    const double y1 = p.y * view.cosX - p.z * view.sinX;
    const double z1 = p.z * view.cosX + p.y * view.sinX;
    const double x2 = z1 * view.sinY + p.x * view.cosY;
    const double z2 = z1 * view.cosY - p.x * view.sinY;
    return {x2 * view.cosZ - y1 * view.sinZ, x2 * view.sinZ + y1 * view.cosZ, z2};
  }
  Vector3 ToUnrotated(Vector3 p) const {
    const double x2 = p.x * view.cosZ + p.y * view.sinZ;
    const double y1 = p.y * view.cosZ - p.x * view.sinZ;
    const double x = x2 * view.cosY - p.z * view.sinY;
    const double z1 = x2 * view.sinY + p.z * view.cosY;
    return {x, y1 * view.cosX + z1 * view.sinX, z1 * view.cosX - y1 * view.sinX};
  }
};

// The picture position of an unrotated point, and the sample offsets it stands for.
struct PictureFrame {
  RasterFrame raster;
  double pixelScale;

  double OffsetX(const Vector3& unrotated) const { return unrotated.x / pixelScale; }
  double OffsetY(const Vector3& unrotated) const { return unrotated.z / pixelScale; }
  PixelPoint At(const Vector3& unrotated) const {
    return {raster.cx + OffsetX(unrotated),
            raster.roundedHeight - (raster.cy + OffsetY(unrotated))};
  }
};

// The runs of consecutive steps around a circle where `kept(step)` holds, as polylines; a circle
// kept whole is one closed line, a run across step 0 one line.
template <typename Point, typename Kept>
std::vector<ContourLine> KeptRuns(const Point& pointAt, const Kept& kept) {
  std::vector<ContourLine> runs;
  int start = 0;  // a step that is not kept, so that no run is cut at the start
  while (start < kOutlineSteps && kept(start)) ++start;
  if (start == kOutlineSteps) {
    ContourLine circle;
    for (int step = 0; step <= kOutlineSteps; ++step) circle.push_back(pointAt(step));
    return {circle};
  }
  ContourLine run;
  for (int k = 1; k <= kOutlineSteps; ++k) {
    const int step = (start + k) % kOutlineSteps;
    if (kept(step)) {
      run.push_back(pointAt(step));
    } else if (!run.empty()) {
      runs.push_back(std::move(run));
      run.clear();
    }
  }
  return runs;
}

double StepAngle(int step) { return 2.0 * std::numbers::pi * step / kOutlineSteps; }

}  // namespace

std::vector<ContourLine> SphereOutline(const RenderState& lastPass, int width, int height) {
  if (width <= 0 || height <= 0 || !(lastPass.pixelScale > 0.0F)) return {};
  const PassConstants pass = MakePassConstants(lastPass);
  const ViewTurn turn{pass};
  const PictureFrame frame{MeasureRasterFrame(width, height), lastPass.pixelScale};
  const auto rim = [&](int step) {
    return Vector3{std::cos(StepAngle(step)), 0.0, std::sin(StepAngle(step))};
  };
  const auto rimAt = [&](int step) { return frame.At(rim(step)); };
  if (lastPass.halfSphere != 1) return KeptRuns(rimAt, [](int) { return true; });

  std::vector<ContourLine> outline =
      KeptRuns(rimAt, [&](int step) { return turn.ToSphere(rim(step)).z >= 0.0; });
  // A line of sight through an equator point P meets the sphere again at P - 2 (P.v) v, v the
  // unrotated y axis in the sphere's frame; that hit lies below z = 0 when P.v and v.z share a
  // sign, and then P bounds what is shown.
  const double viewZ = turn.ToSphere({0.0, 1.0, 0.0}).z;
  const auto equator = [&](int step) {
    return turn.ToUnrotated({std::cos(StepAngle(step)), std::sin(StepAngle(step)), 0.0});
  };
  std::vector<ContourLine> bound =
      KeptRuns([&](int step) { return frame.At(equator(step)); },
               [&](int step) { return equator(step).y * viewZ >= 0.0; });
  outline.insert(outline.end(), bound.begin(), bound.end());
  return outline;
}

std::optional<PixelPoint> DirectionOnPicture(const RenderState& lastPass, int width, int height,
                                             double x, double y, double z) {
  if (width <= 0 || height <= 0 || !(lastPass.pixelScale > 0.0F)) return std::nullopt;
  const double length = std::sqrt(x * x + y * y + z * z);
  if (!(length > 0.0) || !std::isfinite(length)) return std::nullopt;
  const Vector3 onSphere{x / length, y / length, z / length};
  RenderState state = lastPass;
  const PassConstants pass = MakePassConstants(state);
  const PictureFrame frame{MeasureRasterFrame(width, height), lastPass.pixelScale};
  const Vector3 unrotated = ViewTurn{pass}.ToUnrotated(onSphere);
  // The picture shows the point when its line of sight's chosen hit is the point itself.
  state.subSample = 0;
  state.dx = static_cast<float>(frame.OffsetX(unrotated));
  state.dy = static_cast<float>(frame.OffsetY(unrotated));
  const std::optional<SampleReading> reading = ReadSample(state, pass);
  if (!reading) return std::nullopt;
  const Point3& shown = reading->surfacePoint;
  const double apart = std::hypot(shown.x - onSphere.x, shown.y - onSphere.y, shown.z - onSphere.z);
  // Two hits of one line lie apart by twice the depth of the point: within two pixels of the rim
  // both are the point, as far as the picture can tell.
  if (apart > 2.0 * lastPass.pixelScale) return std::nullopt;
  return frame.At(unrotated);
}

std::optional<PixelPoint> SourcePointOnPicture(const RenderState& lastPass, int width, int height) {
  return DirectionOnPicture(lastPass, width, height, lastPass.sourceX, lastPass.sourceY,
                            lastPass.sourceZ);
}
