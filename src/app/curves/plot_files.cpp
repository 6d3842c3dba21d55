#include "app/curves/plot_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
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
std::optional<QByteArray> PlotPdf(const CurvePlot& plot, QSize size) {
  const QImage image = CurvePlotImage(plot, size * 2);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
  writer.setPageMargins(QMarginsF());
  writer.setResolution(144);
  QPainter painter;
  if (!painter.begin(&writer)) return std::nullopt;
  painter.drawImage(QRect(QPoint(0, 0), image.size()), image);
  if (!painter.end() || bytes.isEmpty()) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<QString> WritePlotFile(const CurvePlot& plot, const QString& path, QSize size) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  std::optional<QByteArray> bytes;
  if (suffix == u"png") {
    bytes = PngBytes(CurvePlotImage(plot, size));
  } else if (suffix == u"svg") {
    bytes = CurvePlotSvg(plot, size);
  } else if (suffix == u"pdf") {
    bytes = PlotPdf(plot, size);
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

std::variant<QSize, QString> ReadPlotSize(const QString& text) {
  static const QRegularExpression kSize(
      QStringLiteral("^\\s*(\\d{1,6})\\s*[x×\\x{0445}\\x{0425}X]\\s*(\\d{1,6})\\s*$"));
  const QRegularExpressionMatch match = kSize.match(text);
  const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
  const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
  const auto fits = [](int side) { return side >= kMinPlotSide && side <= kMaxPlotSide; };
  if (!fits(width) || !fits(height)) {
    return QCoreApplication::translate("PlotView",
                                       "размер — ширина и высота в пикселях от %1 до %2, "
                                       "например 1600×900")
        .arg(kMinPlotSide)
        .arg(kMaxPlotSide);
  }
  return QSize(width, height);
}
