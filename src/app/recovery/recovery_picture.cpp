#include "app/recovery/recovery_picture.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "figure/recovery_pictures.h"

namespace {

constexpr int kShownSide = 384;     // the picture's side asked for
constexpr int kScaleWidth = 64;     // room for the error scale and its labels
constexpr int kNeedleSpacing = 12;  // pixels between needles
constexpr int kChosenRadius = 5;    // the ring at the chosen cell

}  // namespace

RecoveryPicture::RecoveryPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RecoveryPicture"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setCursor(Qt::CrossCursor);
}

QSize RecoveryPicture::sizeHint() const { return {kShownSide + kScaleWidth, kShownSide}; }

void RecoveryPicture::Show(QImage image, const RecoveredNormals* needles,
                           std::optional<double> scaleTop) {
  image_ = std::move(image);
  needles_ = needles;
  scaleTop_ = scaleTop;
  update();
}

void RecoveryPicture::Clear() {
  image_ = QImage();
  needles_ = nullptr;
  scaleTop_.reset();
  chosen_.reset();
  update();
}

void RecoveryPicture::SetChosen(std::optional<QPoint> cell) {
  chosen_ = cell;
  update();
}

int RecoveryPicture::ScaleWidth() const { return scaleTop_ ? kScaleWidth : 0; }

int RecoveryPicture::Zoom() const {
  if (image_.isNull()) return 1;
  const int across = (width() - ScaleWidth()) / image_.width();
  const int down = height() / image_.height();
  return std::max(1, std::min(across, down));
}

void RecoveryPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (image_.isNull()) return;
  const int zoom = Zoom();
  const QRect shown(0, 0, image_.width() * zoom, image_.height() * zoom);
  painter.drawImage(shown, image_);
  if (needles_ != nullptr) {
    // About kNeedleSpacing pixels apart, whatever the zoom.
    DrawNeedles(painter, *needles_, zoom, std::max(1, (kNeedleSpacing + zoom - 1) / zoom));
  }
  if (scaleTop_) {
    const QRect area(shown.right() + 8, 4, kScaleWidth - 8, shown.height() - 8);
    DrawErrorScale(painter, area, *scaleTop_, QLocale());
  }
  if (chosen_) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre((chosen_->x() + 0.5) * zoom, (chosen_->y() + 0.5) * zoom);
    painter.setPen(QPen(Qt::black, 3.0));
    painter.drawEllipse(centre, kChosenRadius + zoom / 2.0, kChosenRadius + zoom / 2.0);
    painter.setPen(QPen(QColor(255, 100, 0), 1.5));
    painter.drawEllipse(centre, kChosenRadius + zoom / 2.0, kChosenRadius + zoom / 2.0);
  }
}

void RecoveryPicture::mousePressEvent(QMouseEvent* event) {
  if (image_.isNull() || event->button() != Qt::LeftButton) return;
  const int zoom = Zoom();
  const QPoint at = event->position().toPoint();
  const QPoint cell(at.x() / zoom, at.y() / zoom);
  if (at.x() < 0 || at.y() < 0 || cell.x() >= image_.width() || cell.y() >= image_.height()) return;
  emit CellChosen(cell);
}
