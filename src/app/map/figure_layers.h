#pragma once
// The marks of the map's figure that the core draws pixel by pixel, each set on a transparent
// layer of the picture's device size, laid over the colours: a pixel no mark paints stays
// transparent, so the map under it shows unchanged.
//   source marks: the lit-by-all hatch (if asked), each source's dashed shadow line and the ring
//                 at its point S, in the source's colour
//   pointer marks: each source's isophote through the orientation under the pointer, in its
//                 colour; with two sources or more the crossings of the first two isophotes,
//                 and with three the crossings all three share, marked larger in red

#include <QImage>
#include <QSize>
#include <vector>

#include "app/map/used_source.h"
#include "gradient/gradient_view.h"
#include "model/render_state.h"
#include "photometry/gradient_space.h"

// Each layer: `deviceSize` pixels, `ratio` device pixels a logical one.
QImage SourceMarksLayer(const RenderState& lastPass, const std::vector<UsedSource>& sources,
                        bool litByAll, const GradientView& view, QSize deviceSize, int ratio);
QImage PointerMarksLayer(const RenderState& lastPass, const std::vector<UsedSource>& sources,
                         Gradient through, const GradientView& view, QSize deviceSize, int ratio);
