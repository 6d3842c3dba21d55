#pragma once
// The axes' ranges a plot window shows: each axis automatic (today's range, its boxes empty) or
// a minimum and a maximum typed in the user's number format; the y axis logarithmic where the
// plot's values allow it (brightness; not magnitudes, whose axis is reversed, bright up, nor
// values below 0). A range that does not read is refused with the reason and changes nothing.
//
//   AxisTexts (the boxes) + CurvePlot -> ReadAxisRanges -> AxisRanges -> ShapedByRanges

#include <QString>
#include <optional>
#include <utility>
#include <variant>

#include "plots/curve_chart.h"

struct AxisRanges {
  std::optional<std::pair<double, double>> x;  // none: automatic
  std::optional<std::pair<double, double>> y;
  bool logY = false;
  bool operator==(const AxisRanges&) const = default;
};

struct AxisTexts {
  QString xMin;
  QString xMax;
  QString yMin;
  QString yMax;
  bool logY = false;
};

// Why the y axis of `plot` cannot be logarithmic, or none.
std::optional<QString> LogRefusal(const CurvePlot& plot);

// The ranges the texts give for `plot`, or the reason they are refused: one box of a pair filled,
// a text that is not a finite number, a minimum not below its maximum, a logarithmic range
// reaching 0 or below, a logarithmic axis the plot refuses (LogRefusal).
std::variant<AxisRanges, QString> ReadAxisRanges(const AxisTexts& texts, const CurvePlot& plot);

// `plot` with the ranges: typed ones shown exactly, the rest as before; a logarithmic y axis
// only where LogRefusal has none.
CurvePlot ShapedByRanges(CurvePlot plot, const AxisRanges& ranges);
