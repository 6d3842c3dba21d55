#include "app/readout_overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kPadding = 4;  // between the frame and the text
constexpr int kMargin = 3;   // between the box and the picture's edge
const QColor kFill(255, 255, 225, 235);
const QColor kFrame(90, 90, 90);

}  // namespace

ReadoutOverlay::ReadoutOverlay(QWidget* picture) : QWidget(picture) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void ReadoutOverlay::ShowLines(const QStringList& lines, QPoint pointer) {
  if (lines != lines_) {
    lines_ = lines;
    update();
  }
  const QFontMetrics metrics(font());
  int textWidth = 0;
  for (const QString& line : lines_)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  const QSize size(textWidth + 2 * kPadding,
                   static_cast<int>(lines_.size()) * metrics.lineSpacing() + 2 * kPadding);
  const QRect area = parentWidget()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const QPoint centre = area.center();
  const int x = pointer.x() < centre.x() ? area.right() + 1 - size.width() : area.left();
  const int y = pointer.y() < centre.y() ? area.bottom() + 1 - size.height() : area.top();
  setGeometry(QRect(QPoint(x, y), size));
  raise();
  show();
}

void ReadoutOverlay::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(kFrame);
  painter.setBrush(kFill);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(Qt::black);  // on its own light fill, whatever the theme
  const QFontMetrics metrics(font());
  int baseline = kPadding + metrics.ascent();
  for (const QString& line : lines_) {
    painter.drawText(kPadding, baseline, line);
    baseline += metrics.lineSpacing();
  }
}
