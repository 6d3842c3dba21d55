#pragma once
// An albedo map from a greyscale picture: any image Qt reads, stretched to the surface's grid,
// each cell's albedo its grey value over 255 (a colour picture is made grey first).

#include <QImage>
#include <QString>
#include <variant>
#include <vector>

// The picture in file `path`, or the reason it does not read (in the language in use): a FIFO or
// a device is refused before it is opened, so that it cannot hold the window.
std::variant<QImage, QString> ReadAlbedoImage(const QString& path);

// One albedo a cell of a width x height grid, row 0 the top row; empty for a null image.
std::vector<double> AlbedoFromImage(const QImage& image, int width, int height);
