#include "app/surface/albedo_image.h"

#include <QCoreApplication>
#include <QImageReader>

#include "photoset/image_memory.h"
#include "photoset/regular_file.h"

namespace {

constexpr double kFullGrey = 255.0;

}  // namespace

std::variant<QImage, QString> ReadAlbedoImage(const QString& path) {
  const std::optional<FileProblem> problem = CheckRegularFile(path);
  if (problem && problem->refusal == FileRefusal::kNotRegular) {
    return QCoreApplication::translate("SurfaceControls",
                                       "это не обычный файл (папка, канал или устройство)");
  }
  AllowImagesUpToTheSampleCap();
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull()) return reader.errorString();
  return image;
}

std::vector<double> AlbedoFromImage(const QImage& image, int width, int height) {
  if (image.isNull() || width <= 0 || height <= 0) return {};
  // Scaled first: smooth scaling may hand back another format than the one it was given.
  const QImage grey = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_Grayscale8);
  std::vector<double> albedo;
  albedo.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int row = 0; row < height; ++row) {
    const uchar* line = grey.constScanLine(row);
    for (int column = 0; column < width; ++column) albedo.push_back(line[column] / kFullGrey);
  }
  return albedo;
}
