#pragma once
// Reading an elevation model from a file into a height field: the one place the surface window
// asks for it («Открыть модель рельефа…»). The grid comes as the file holds it, one cell a
// pixel, north up; `spacing` replaces the file's own cell size when given; heights are
// multiplied by `heightScale`. A file that cannot be read gives the reason in Russian instead.

#include <QString>
#include <optional>
#include <variant>

#include "model/height_field.h"

std::variant<HeightField, QString> OpenElevationFile(const QString& path,
                                                     std::optional<double> spacing,
                                                     double heightScale);
