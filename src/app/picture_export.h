#pragma once
// The picture as it leaves the window, saved to a file or copied: the painted image with the
// observer arrow drawn in its visible mode (inverted pixels, whatever the blink phase) and the
// label over the picture drawn where it sits. Files are written whole or not at all (QSaveFile).

#include <QImage>
#include <QString>
#include <optional>

class PictureBox;
class QWidget;

// The picture of `picture` with its visible arrow lines and, if it is shown, `label` (a child of
// the picture) drawn over it. The picture's own image is left as it is.
QImage ExportedPicture(const PictureBox& picture, QWidget* label);

// Writes `image` to `path`: BMP for a ".bmp" name, PNG for any other. Returns the reason in
// Russian when the file could not be written; the file is then left as it was.
std::optional<QString> WritePictureFile(const QImage& image, const QString& path);

// The message for a file that could not be written.
QString SaveFailureMessage(const QString& path, const QString& reason);
