#include "app/form/line_widget.h"

#include <QPainter>

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {}

void LineWidget::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
}
