#include "app/curves/plot_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <string_view>

#include "app/picture/file_error_text.h"
#include "figure/png_bytes.h"
#include "fileio/whole_file.h"

namespace {

std::optional<QString> WriteBytes(const QByteArray& bytes, const QString& path) {
  const std::optional<WriteFailure> failure =
      WriteWholeFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                     FifoOpening::kFailWithoutReader);
  if (failure) return FileWriteReason(*failure, path);
  return std::nullopt;
}

// The plot's image put on a PDF page of its size in points.
std::optional<QByteArray> PlotPdf(const CurvePlot& plot) {
  const QImage image = CurvePlotImage(plot, kPlotFileSize * 2);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QSizeF(kPlotFileSize), QPageSize::Point));
  writer.setPageMargins(QMarginsF());
  writer.setResolution(144);
  QPainter painter;
  if (!painter.begin(&writer)) return std::nullopt;
  painter.drawImage(QRect(QPoint(0, 0), image.size()), image);
  if (!painter.end() || bytes.isEmpty()) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<QString> WritePlotFile(const CurvePlot& plot, const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  std::optional<QByteArray> bytes;
  if (suffix == u"png") {
    bytes = PngBytes(CurvePlotImage(plot));
  } else if (suffix == u"svg") {
    bytes = CurvePlotSvg(plot);
  } else if (suffix == u"pdf") {
    bytes = PlotPdf(plot);
  } else {
    return QCoreApplication::translate(
        "PlotView", "график сохраняется только в файл PNG (.png), SVG (.svg) или PDF (.pdf)");
  }
  if (!bytes) return QCoreApplication::translate("PlotView", "график не удалось нарисовать");
  return WriteBytes(*bytes, path);
}

std::optional<QString> WriteDataFile(const std::string& csv, const QString& path) {
  return WriteBytes(QByteArray::fromStdString(csv), path);
}
