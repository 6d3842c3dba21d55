#include "app/picture/readout_overlay.h"

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
  const QRect area = parentWidget()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
  // However long a line, the box stays within the picture: a line too wide is cut with "…".
  const QFontMetrics metrics(font());
  const int widest = std::max(0, area.width() - 2 * kPadding);
  QStringList shown;
  int textWidth = 0;
  for (const QString& line : lines) {
    shown << metrics.elidedText(line, Qt::ElideRight, widest);
    textWidth = std::max(textWidth, metrics.horizontalAdvance(shown.back()));
  }
  if (lines != lines_ || shown != shownLines_) {
    lines_ = lines;
    shownLines_ = shown;
    update();
  }
  const QSize size(std::min(textWidth + 2 * kPadding, std::max(0, area.width())),
                   static_cast<int>(lines_.size()) * metrics.lineSpacing() + 2 * kPadding);
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
  for (const QString& line : shownLines_) {
    painter.drawText(kPadding, baseline, line);
    baseline += metrics.lineSpacing();
  }
}
