#include "app/picture/picture_box.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/picture/image_picture.h"

PictureBox::PictureBox(QSize size, QWidget* parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32) {
  image_.fill(Qt::white);
  resize(size);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PictureBox::ResizeImage(QSize size, int pixelRatio) {
  pixelRatio_ = std::max(1, pixelRatio);
  image_ = BlankPictureImage(size, pixelRatio_);
  resize(size);
  update();
}

void PictureBox::SetImage(const QImage& image) {
  image_ = image;
  pixelRatio_ = std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())));
  update();
}

int PictureBox::ScreenPixelRatio() const {
  return std::max(1, static_cast<int>(std::ceil(devicePixelRatioF())));
}

QPoint PictureBox::DevicePixelAt(QPoint position) const {
  return {position.x() * pixelRatio_ + pixelRatio_ / 2,
          position.y() * pixelRatio_ + pixelRatio_ / 2};
}

void PictureBox::SetOverlay(Overlay overlay) {
  overlay_ = std::move(overlay);
  update();
}

void PictureBox::Clear(Rgb background) { ImagePicture(image_).Clear(background); }

void PictureBox::SetPixel(int x, int y, Rgb colour) { ImagePicture(image_).SetPixel(x, y, colour); }

PixelRows PictureBox::Rows() { return ImagePicture(image_).Rows(); }

const ArrowLine& PictureBox::ArrowLineAt(int line) const { return arrow_.at(line - 1); }

void PictureBox::SetArrowLine(int line, const ArrowLine& arrow) {
  arrow_.at(line - 1) = arrow;
  update();
}

// With blinkPhaseToo, a visible line in mode 11 is drawn in mode 6 as well.
void PictureBox::DrawArrow(QImage& target, bool blinkPhaseToo) const {
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  QPen pen(Qt::black, 1);
  pen.setCapStyle(Qt::FlatCap);  // the end point is not drawn, as for a line drawn from p1 to p2
  painter.setPen(pen);
  for (const ArrowLine& line : arrow_) {
    if (line.visible && (blinkPhaseToo || line.drawMode == kDrawModeInvert)) {
      painter.drawLine(line.p1, line.p2);
    }
  }
}

void PictureBox::DrawOverlay(QImage& target) const {
  if (!overlay_ && !lineMark_) return;
  QPainter painter(&target);
  if (overlay_) overlay_(painter);
  if (lineMark_) {
    // Dark over light: it shows on a white background and on the grey tone alike.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(*lineMark_);
    painter.setPen(QPen(QColor(200, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(*lineMark_);
  }
}

void PictureBox::SetLineMark(std::optional<QLineF> line) {
  lineMark_ = line;
  update();
}

QImage PictureBox::ComposedImage() const {
  QImage shown = image_.copy();
  DrawOverlay(shown);
  DrawArrow(shown, false);
  return shown;
}

QImage PictureBox::ImageWithArrowShown() const {
  QImage shown = image_.copy();
  DrawOverlay(shown);
  DrawArrow(shown, true);
  return shown;
}

QImage PictureBox::ImageWithArrowShownAlone() const {
  QImage shown = image_.copy();
  DrawArrow(shown, true);
  return shown;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // An image of K = ceil(scale) pixels a point, shown at a scale that is not whole, is scaled down
  // smoothly rather than by dropping rows and columns.
  if (devicePixelRatioF() != pixelRatio_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
  }
  painter.drawImage(0, 0, ComposedImage());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QWidget::mouseReleaseEvent(event);
  if (click) emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  emit pointerMoved(event->position().toPoint());
}

void PictureBox::ReportPointer() {
  const QPoint global = QCursor::pos();
  const QPoint at = mapFromGlobal(global);
  // Over the picture, and not over another window in front of it.
  if (isVisible() && rect().contains(at) && QApplication::topLevelAt(global) == window()) {
    emit pointerMoved(at);
  } else {
    emit pointerLeft();
  }
}

void PictureBox::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit pointerLeft();
}
