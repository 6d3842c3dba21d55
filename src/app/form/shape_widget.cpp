#include "app/form/shape_widget.h"

#include <QPainter>

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {}

void ShapeWidget::SetFillColour(const QColor& colour) {
  if (colour == fill_) return;
  fill_ = colour;
  update();
}

void ShapeWidget::SetBorder(const QColor& colour, int width) {
  border_ = colour;
  borderWidth_ = width;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), border_);
  const QRect inside = rect().adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  if (inside.isValid()) painter.fillRect(inside, fill_);
}
