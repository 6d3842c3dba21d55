#include "figure/png_bytes.h"

#include <QBuffer>
#include <QImage>

std::optional<QByteArray> PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return bytes;
}

std::optional<std::string> PngFile(const QImage& image) {
  const std::optional<QByteArray> bytes = PngBytes(image);
  return bytes ? std::optional(bytes->toStdString()) : std::nullopt;
}
