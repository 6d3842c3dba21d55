#pragma once
// The picture as it leaves the window, saved to a file or copied: the painted image with the
// observer arrow drawn in its visible mode (inverted pixels, whatever the blink phase) and the
// label over the picture drawn where it sits. Files are PNG or BMP by their name's extension,
// encoded in memory and written whole or not at all (fileio/whole_file.h); or SVG or PDF, a
// figure whose raster is the image with the arrow and over it, as vectors, the picture's overlay
// (the map's axes, numbers, marks and isophotes) and the label.

#include <QImage>
#include <QString>
#include <optional>

#include "figure/vector_figure.h"

class PictureBox;
class QWidget;

// The picture of `picture` with its visible arrow lines and, if it is shown, `label` (a child of
// the picture) drawn over it. The picture's own image is left as it is.
QImage ExportedPicture(const PictureBox& picture, QWidget* label);

// A picture in layers, for a vector file: the raster (its device pixel ratio the picture's) and
// what is drawn over it in the picture's logical coordinates.
struct PictureLayers {
  QImage raster;
  OverlayPainter overlay;
};

// The picture of `picture` in layers: its image with the visible arrow lines, then its overlay
// and, if it is shown, `label`. `label` must outlive the layers.
PictureLayers ExportedLayers(const PictureBox& picture, QWidget* label);

// The file to save to for a name as typed: unchanged if it ends in .png, .bmp, .svg or .pdf (any
// letter case); with "." + `filterSuffix` (the chosen filter's "png", "bmp", "svg" or "pdf")
// added if it has no extension; nothing for any other extension.
std::optional<QString> PictureFileName(const QString& path, const QString& filterSuffix);

// Whether a file name accepted by PictureFileName is a vector figure, SVG or PDF.
bool IsFigureFileName(const QString& path);

// The reason a name with another extension is refused, naming the formats accepted.
QString UnsupportedExtensionReason();

// Writes `image` to `path`, PNG or BMP by its extension. A regular file gets the whole picture or
// keeps its old bytes; an existing FIFO or device is written as a stream (a FIFO that nobody
// reads is an error at once). Returns the reason in Russian when the file could not be written.
std::optional<QString> WritePictureFile(const QImage& image, const QString& path);

// Writes `layers` to `path` as an SVG or PDF figure by its extension, as WritePictureFile writes.
std::optional<QString> WriteFigureFile(const PictureLayers& layers, const QString& path);

// The message for a file that could not be written.
QString SaveFailureMessage(const QString& path, const QString& reason);
