#include "figure/compared_row.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace {

int Rows(int count, int columns) { return (count + columns - 1) / std::max(1, columns); }

QSize Cell(QSize sphere) { return {sphere.width(), sphere.height() + kComparedCaptionHeight}; }

}  // namespace

QSize ComparedRowSize(QSize sphere, int count, int columns) {
  const int across = std::min(count, std::max(1, columns));
  return {Cell(sphere).width() * across, Cell(sphere).height() * Rows(count, columns)};
}

QPoint ComparedSpherePlace(QSize sphere, int k, int columns) {
  const QSize cell = Cell(sphere);
  return {cell.width() * (k % std::max(1, columns)), cell.height() * (k / std::max(1, columns))};
}

void PaintComparedCaptions(QPainter& painter, QSize sphere, const QStringList& captions,
                           int columns, const QFont& font) {
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int k = 0; k < captions.size(); ++k) {
    const QPoint at = ComparedSpherePlace(sphere, k, columns);
    const QRect box(at.x(), at.y() + sphere.height(), sphere.width(), kComparedCaptionHeight);
    painter.drawText(box, Qt::AlignCenter, captions[k]);
  }
  painter.restore();
}

QImage ComparedRowRaster(const std::vector<QImage>& spheres, int columns) {
  if (spheres.empty()) return {};
  const qreal ratio = spheres.front().devicePixelRatio();
  const QSize sphere = (QSizeF(spheres.front().size()) / ratio).toSize();
  const QSize logical = ComparedRowSize(sphere, static_cast<int>(spheres.size()), columns);
  QImage figure(logical * ratio, QImage::Format_RGB32);
  figure.setDevicePixelRatio(ratio);
  figure.fill(Qt::white);
  QPainter painter(&figure);
  for (size_t k = 0; k < spheres.size(); ++k) {
    painter.drawImage(ComparedSpherePlace(sphere, static_cast<int>(k), columns), spheres[k]);
  }
  return figure;
}

QImage ComparedRowImage(const std::vector<QImage>& spheres, const QStringList& captions,
                        int columns, const QFont& font) {
  QImage figure = ComparedRowRaster(spheres, columns);
  if (figure.isNull()) return figure;
  const QSize sphere =
      (QSizeF(spheres.front().size()) / spheres.front().devicePixelRatio()).toSize();
  QPainter painter(&figure);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintComparedCaptions(painter, sphere, captions, columns, font);
  return figure;
}
