#pragma once
// Where the marks of the map's figure that follow from the sources alone lie in the picture: each
// source's point S and its shadow line cos i = 0, as picture pixels of a width x height map in a
// view (x right, y down, pixel centres at whole numbers). The figure draws them.
//
//   LightAim -> SourcePoint / ShadowLine (gradient space) -> GradientView -> picture pixels

#include <optional>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"

// A straight line a x + b y + c = 0 in picture pixels.
struct PixelLine {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};

// A line of gradient space as a line of picture pixels of a width x height map in `view`: at
// every pixel a x + b y + c is the gradient line's value times the view's pixels a unit, so
// that both have the same sign.
PixelLine PixelLineOf(const GradientView& view, int width, int height, const GradientLine& line);

// A piece of a line between two picture positions.
struct PixelSegment {
  PixelPoint from;
  PixelPoint to;
};

// The part of `line` over a width x height picture (the pixels' whole area, from -0.5 to
// width - 0.5 across); none where the line misses it or is no line (a = b = 0).
std::optional<PixelSegment> SegmentInPicture(const PixelLine& line, int width, int height);

// Where the source's point S lies; none for a source at 90 degrees or beyond.
std::optional<PixelPoint> SourcePixel(const GradientView& view, int width, int height,
                                      const LightAim& source);

// The source's shadow line across the picture; none for a source on the view axis or a line
// that misses the picture.
std::optional<PixelSegment> ShadowSegment(const GradientView& view, int width, int height,
                                          const LightAim& source);
