#include "figure/whole_figure.h"

#include "figure/figure_labels.h"
#include "figure/isophote_marks.h"
#include "figure/lit_hatch.h"
#include "figure/source_marks.h"

void PaintFigure(QPainter& painter, const FigureFrame& frame, const FigureContent& content) {
  if (content.litByAll && !content.sources.empty())
    DrawLitByAllHatch(painter, frame, content.sources);
  DrawSourceMarks(painter, frame, content.sources);
  PaintFigureLabels(painter, frame, SourceLabels(frame, content.sources));
  if (content.isophotes != nullptr) {
    DrawIsophoteMarks(painter, frame, content.sources, *content.isophotes);
  }
}
