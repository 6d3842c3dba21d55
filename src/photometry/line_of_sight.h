#pragma once
// A point of the sphere's space and the line of sight through one sample, both as stored floats.

struct Point3 {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
  bool operator==(const Point3&) const = default;
};

struct LineOfSight {
  Point3 start;  // lineStart, on the observer's side
  Point3 end;    // lineEnd
};

// lineStart = (dx*k, 10*k, dy*k), lineEnd = (dx*k, -10*k, dy*k), with k = pixelScale, each
// coordinate a float product.
inline LineOfSight MakeLineOfSight(float dx, float dy, float pixelScale, float lineDepth) {
  const float x = dx * pixelScale;
  const float z = dy * pixelScale;
  return {{x, lineDepth, z}, {x, -lineDepth, z}};
}
