#pragma once
// The whole figure over a painted map, in the order the window and the renderer both draw it:
//   the hatch of what every source lights (if asked)
//   each source's dashed shadow line and its ring at S (source_marks.h)
//   the axes, ticks, letters, conventions, the sources' labels and the numbers (figure_labels.h)
//   the isophotes through an orientation and their crossings (isophote_marks.h), over the text:
//   a crossing under a number must show
// Over any QPaintDevice whose pixel ratio is the frame's; logical coordinates.

#include <vector>

#include "figure/figure_frame.h"
#include "figure/used_source.h"
#include "gradient/isophotes_through.h"

class QPainter;

struct FigureContent {
  std::vector<UsedSource> sources;  // whose marks and labels are drawn; none: the axes alone
  bool litByAll = false;            // with no source, nothing to hatch
  const IsophotesThrough* isophotes = nullptr;  // found for `sources`, in their order; or none
};

void PaintFigure(QPainter& painter, const FigureFrame& frame, const FigureContent& content);
