#include "figure/vector_figure.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>
#include <utility>

namespace {

constexpr int kCssDotsPerInch = 96;       // an SVG's user unit, the CSS pixel
constexpr int kPointsPerInch = 72;        // a PDF's unit
constexpr qsizetype kSvgHeadBytes = 200;  // the XML declaration and the start of <svg

// A vector device whose fonts are sized at `fontDotsPerInch`, the raster's: text the overlay
// sizes in points keeps its size relative to the picture whatever the file's unit.
template <typename Device>
class FigureDevice final : public Device {
 public:
  template <typename... Args>
  explicit FigureDevice(int fontDotsPerInch, Args&&... args)
      : Device(std::forward<Args>(args)...), fontDotsPerInch_(fontDotsPerInch) {}

 protected:
  int metric(QPaintDevice::PaintDeviceMetric metric) const override {
    if (metric == QPaintDevice::PdmDpiX || metric == QPaintDevice::PdmDpiY) return fontDotsPerInch_;
    return Device::metric(metric);
  }

 private:
  int fontDotsPerInch_;
};

// The raster at its logical size, then the overlay; false if the painter would not start or
// finish.
bool PaintFigure(QPaintDevice& device, const QImage& raster, const OverlayPainter& overlay) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // A PDF keeps the image as it is (Flate) instead of re-encoding it as JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(QRectF(QPointF(0, 0), raster.deviceIndependentSize()), raster);
  if (overlay) overlay(painter);
  return painter.end();
}

// Qt writes the SVG's size in millimetres, rounded to six digits, which viewers round up to one
// pixel more than the picture's: written in pixels instead, the file shows at the picture's size.
void SizeInPixels(QByteArray& svg, QSize page) {
  static const QRegularExpression kSize(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
  const QString head = QString::fromLatin1(svg.left(kSvgHeadBytes));  // a byte a character
  const QRegularExpressionMatch match = kSize.match(head);
  if (!match.hasMatch()) return;
  svg.replace(match.capturedStart(), match.capturedLength(),
              QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                  .arg(page.width())
                  .arg(page.height())
                  .toUtf8());
}

}  // namespace

std::optional<QByteArray> EncodeVectorFigure(const QImage& raster, const OverlayPainter& overlay,
                                             VectorFormat format) {
  if (raster.isNull()) return std::nullopt;
  const QSizeF logical = raster.deviceIndependentSize();
  const QSize page(static_cast<int>(std::ceil(logical.width())),
                   static_cast<int>(std::ceil(logical.height())));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  bool painted = false;
  if (format == VectorFormat::kSvg) {
    FigureDevice<QSvgGenerator> generator(raster.logicalDpiY());
    generator.setOutputDevice(&buffer);
    generator.setSize(page);
    generator.setViewBox(QRect(QPoint(0, 0), page));
    generator.setResolution(kCssDotsPerInch);
    painted = PaintFigure(generator, raster, overlay);
    if (painted) SizeInPixels(bytes, page);
  } else {
    // A page of whole points (the size Qt writes), one a logical pixel.
    FigureDevice<QPdfWriter> writer(raster.logicalDpiY(), &buffer);
    writer.setResolution(kPointsPerInch);
    writer.setPageSize(QPageSize(page, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    painted = PaintFigure(writer, raster, overlay);
  }
  buffer.close();
  if (!painted || bytes.isEmpty()) return std::nullopt;
  return bytes;
}
