#pragma once
// An image encoded as a PNG file's bytes in memory, for the checked whole-file writes.

#include <QByteArray>
#include <optional>
#include <string>

class QImage;

// Nothing when Qt's writer fails.
std::optional<QByteArray> PngBytes(const QImage& image);
// The same bytes as a std::string, as the file writers and encoders of the core take them.
std::optional<std::string> PngFile(const QImage& image);
