#pragma once
// An albedo map from a greyscale picture: any image Qt reads, stretched to the surface's grid,
// each cell's albedo its grey value over 255 (a colour picture is made grey first).

#include <QImage>
#include <vector>

// One albedo a cell of a width x height grid, row 0 the top row; empty for a null image.
std::vector<double> AlbedoFromImage(const QImage& image, int width, int height);
