#pragma once
// The picture as it leaves the window, saved to a file or copied: the painted image with the
// observer arrow drawn in its visible mode (inverted pixels, whatever the blink phase) and the
// label over the picture drawn where it sits. Files are PNG or BMP by their name's extension,
// encoded in memory and written whole or not at all (fileio/whole_file.h).

#include <QImage>
#include <QString>
#include <optional>

class PictureBox;
class QWidget;

// The picture of `picture` with its visible arrow lines and, if it is shown, `label` (a child of
// the picture) drawn over it. The picture's own image is left as it is.
QImage ExportedPicture(const PictureBox& picture, QWidget* label);

// The file to save to for a name as typed: unchanged if it ends in .png or .bmp (any letter
// case); with "." + `filterSuffix` (the chosen filter's "png" or "bmp") added if it has no
// extension; nothing for any other extension.
std::optional<QString> PictureFileName(const QString& path, const QString& filterSuffix);

// The reason a name with another extension is refused, naming the formats accepted.
QString UnsupportedExtensionReason();

// Writes `image` to `path`, PNG or BMP by its extension. A regular file gets the whole picture or
// keeps its old bytes; an existing FIFO or device is written as a stream (a FIFO that nobody
// reads is an error at once). Returns the reason in Russian when the file could not be written.
std::optional<QString> WritePictureFile(const QImage& image, const QString& path);

// The message for a file that could not be written.
QString SaveFailureMessage(const QString& path, const QString& reason);
