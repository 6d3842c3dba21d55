#pragma once
// Geometry of the Gaussian sphere for one sample: the line of sight through the sample's offset,
// turned by the observer rotations, its intersections with the unit sphere, the choice of the
// point the picture shows (the half-sphere switch), and the cosines and angles of incidence and
// emission there. The observer of the angles is fixed on +z; the rotations move only the view.
//
//   dx, dy -> LineOfSight -> RotateLineOfSight -> IntersectUnitSphere -> SelectSurfacePoint
//
// Every coordinate is stored as a float; the arithmetic in between is done in double.

#include <cmath>
#include <optional>

#include "model/render_state.h"
#include "photometry/line_of_sight.h"
#include "photometry/pass_constants.h"

struct SphereHits {
  Point3 hitPlus;  // larger y, or the view-wide choice of IntersectionForm::plusNearerStart
  Point3 hitMinus;
};

// How the two shaders differ in the intersection step: the colour shader replaces an
// intersection z above 1 (a rounding artefact) by the z of lineStart.
enum class IntersectionRule { kPlain, kReplaceZAboveOne };

// Rotates a point about Ox, then Oy, then Oz, storing each coordinate before the next use.
Point3 RotateObserver(Point3 p, const PassConstants& pass);

// Both end points rotated, or the line unchanged when all three rotations are 0.
LineOfSight RotateLineOfSight(const LineOfSight& line, const PassConstants& pass);

// lineDir = lineEnd - lineStart, each difference stored as a float.
Point3 LineDirection(const LineOfSight& line);

// The two intersections of the line with the unit sphere, or nothing when it misses, in the
// pass's form. By depth: the line is parametrised by y with the stored roundings of quadB, s, the
// roots and the points, and hitPlus has the larger y. Otherwise IntersectAlongLine.
std::optional<SphereHits> IntersectUnitSphere(const LineOfSight& line, IntersectionRule rule,
                                              const IntersectionForm& form);

// |lineStart + t (lineEnd - lineStart)|^2 = 1 solved in double, each hit coordinate stored as a
// float. hitPlus is the hit nearer lineStart or nearer lineEnd, as the form says. The form for
// views nearly perpendicular to y, where the y parametrisation breaks down; it holds for any line.
std::optional<SphereHits> IntersectAlongLine(const LineOfSight& line, bool plusNearerStart);

// The intersection the picture shows: with halfSphere = 1 a point below z = 0 does not exist.
std::optional<Point3> SelectSurfacePoint(const SphereHits& hits, int16_t halfSphere);

// The steps above for the sample at state.dx, state.dy: false for a background sample, else
// true with the chosen intersection in surfacePoint.
bool FindSurfacePoint(const RenderState& state, const PassConstants& pass, IntersectionRule rule,
                      Point3& surfacePoint);
std::optional<Point3> FindSurfacePoint(const RenderState& state, const PassConstants& pass,
                                       IntersectionRule rule);

// atan(sqrt(1 - c^2) / c): negative for a negative cosine. At c = 0 it gives the program's
// pi / 2 as a float (1.5707951).
double angleFromCos(float c);

// cosI = (S.P) / sqrt(|P|^2 |S|^2), with the summation orders y, x, z and y, x, z. Inline: it
// runs for every sample on the sphere.
inline float IncidenceCos(const Point3& surfacePoint, const RenderState& state,
                          double sourceLengthSquared) {
  const double px = surfacePoint.x;
  const double py = surfacePoint.y;
  const double pz = surfacePoint.z;
  const double dot = static_cast<double>(state.sourceY) * py +
                     static_cast<double>(state.sourceX) * px + pz * state.sourceZ;
  const double pointLengthSquared = py * py + px * px + pz * pz;
  return static_cast<float>(dot / std::sqrt(pointLengthSquared * sourceLengthSquared));
}

// angleI as a float.
float IncidenceAngle(float cosI);

// The observer is on +z, so cosE is the z of the surface point. A z rounded beyond +-1, where
// 1 - z^2 would be negative, counts as looking straight at the observer: cosE 1, angleE 0.
inline bool IsBeyondUnitCosine(float z) { return std::fabs(z) > 1.0F; }
inline float EmissionCos(float z) { return IsBeyondUnitCosine(z) ? 1.0F : z; }
double EmissionAngle(float z);
