#pragma once
// A plot's files: the plot as PNG, SVG or PDF by the name's extension, its data as CSV, each
// written whole or not at all (fileio/whole_file.h). The reason in Russian when it fails. The plot
// is drawn in `size` pixels (a PDF page of `size` points).

#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "plots/curve_chart.h"

std::optional<QString> WritePlotFile(const CurvePlot& plot, const QString& path,
                                     QSize size = kPlotFileSize);
std::optional<QString> WriteDataFile(const std::string& csv, const QString& path);

// The pixels typed for a plot's file, "800×600" (or 800x600, blanks allowed): each side a whole
// number from kMinPlotSide to kMaxPlotSide; else the reason in the language in use.
inline constexpr int kMinPlotSide = 200;
inline constexpr int kMaxPlotSide = 8000;
std::variant<QSize, QString> ReadPlotSize(const QString& text);
