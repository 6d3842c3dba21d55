#pragma once
// An image encoded as a PNG file's bytes in memory, for the checked whole-file writes.

#include <QByteArray>
#include <optional>

class QImage;

// Nothing when Qt's writer fails.
std::optional<QByteArray> PngBytes(const QImage& image);
