#pragma once
// The marks of the map's figure that follow from the sources alone: each source's point S (a
// ring, with a 5 x 7 letter S where the caller has no font of its own), its shadow line
// cos i = 0 (dashed) and the rings at isophote crossings. Each source has its colour.
//
//   LightAim -> SourcePoint / ShadowLine (gradient space) -> GradientView -> picture pixels

#include <array>
#include <vector>

#include "gradient/figure_drawing.h"
#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/picture.h"
#include "photometry/gradient_space.h"

// Source 1 (the described one) yellow, 2 cyan, 3 magenta: apart from the grey tones, the
// isoline tints and the axes.
inline constexpr std::array<Rgb, kMaxLightSources> kSourceColours{{
    {255, 215, 0},
    {0, 230, 230},
    {255, 80, 255},
}};
inline constexpr Rgb kCrossingColour{255, 255, 255};
inline constexpr Rgb kSharedCrossingColour{255, 40, 40};
inline constexpr double kSourceMarkRadius = 5.0;
inline constexpr double kCrossingMarkRadius = 4.0;
inline constexpr double kSharedCrossingMarkRadius = 7.0;

// A line of gradient space as a line of picture pixels of a width x height map in `view`.
PixelLine PixelLineOf(const GradientView& view, int width, int height, const GradientLine& line);

// The shadow line of `source` across the picture (nothing for a source on the view axis).
void DrawShadowLine(Picture& picture, const GradientView& view, const LightAim& source, Rgb colour,
                    bool dashed);

// A ring about the source's point and, with `letter`, an S above and right of it (nothing for a
// source at 90 degrees or beyond).
void DrawSourceMark(Picture& picture, const GradientView& view, const LightAim& source, Rgb colour,
                    bool letter);

// A ring of `radius` pixels about each crossing.
void DrawCrossingMarks(Picture& picture, const GradientView& view,
                       const std::vector<Gradient>& crossings, Rgb colour, double radius);
