#pragma once
// A figure as a vector file, SVG or PDF: the painted raster as one image at its own resolution,
// drawn at its logical size (device pixels divided by its device pixel ratio), then what an
// overlay painter draws over it, kept as the vector paths and text it draws. The window's save
// and the renderer's -o both write their figures through it.
//
// The page is the logical size rounded up to whole pixels: an SVG of that many CSS pixels
// (1/96 inch), a PDF page of that many points without margins. Text the overlay sizes in points
// keeps the size it has on the raster (the raster's dots per inch), whatever the file's unit.

#include <QByteArray>
#include <QImage>
#include <functional>
#include <optional>

class QPainter;

enum class VectorFormat { kSvg, kPdf };

// Draws over the raster in logical coordinates.
using OverlayPainter = std::function<void(QPainter& painter)>;

// The file's bytes; nothing when the figure could not be encoded (an empty raster, a painter
// that would not start or finish, no bytes written).
std::optional<QByteArray> EncodeVectorFigure(const QImage& raster, const OverlayPainter& overlay,
                                             VectorFormat format);
