#pragma once
// A plot's files: the plot as PNG, SVG or PDF by the name's extension, its data as CSV, each
// written whole or not at all (fileio/whole_file.h). The reason in Russian when it fails.

#include <QString>
#include <optional>
#include <string>

#include "plots/curve_chart.h"

std::optional<QString> WritePlotFile(const CurvePlot& plot, const QString& path);
std::optional<QString> WriteDataFile(const std::string& csv, const QString& path);
