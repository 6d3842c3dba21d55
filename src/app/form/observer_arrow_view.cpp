#include "app/form/observer_arrow_view.h"

#include <QLabel>
#include <QTimer>
#include <array>
#include <cmath>

#include "app/picture/picture_box.h"

namespace {

constexpr int kBlinkIntervalMs = 1000;  // Timer2
// The head's strokes start this many pixels either side of the shaft.
constexpr int kArrowHeadHalfWidth = 6;

}  // namespace

ObserverArrowView::ObserverArrowView(PictureBox& picture, QLabel& label, QObject* parent)
    : QObject(parent), picture_(picture), label_(label) {
  timer2_ = new QTimer(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  timer2_->setInterval(kBlinkIntervalMs);
  connect(timer2_, &QTimer::timeout, this, &ObserverArrowView::OnTimer2Timeout);
}

void ObserverArrowView::Place() {
  const int centre = static_cast<int>(std::nearbyint(static_cast<double>(picture_.Width()))) / 2;
  const std::array<int, kArrowLineCount> startX = {centre, centre + kArrowHeadHalfWidth,
                                                   centre - kArrowHeadHalfWidth};
  for (int line = 1; line <= kArrowLineCount; ++line) {
    ArrowLine arrow = picture_.ArrowLineAt(line);
    arrow.p1.setX(startX[line - 1]);
    arrow.p2.setX(centre);
    picture_.SetArrowLine(line, arrow);
  }
}

void ObserverArrowView::Apply(const ArrowState& arrow) {
  if (!arrow.shown) {
    timer2_->stop();
    label_.hide();
  }
  for (int line = 1; line <= kArrowLineCount; ++line) {
    ArrowLine shown = picture_.ArrowLineAt(line);
    if (line == 1 && arrow.shown) shown.p2.setY(static_cast<int>(std::lrint(arrow.shaftLowerY)));
    shown.visible = arrow.shown;
    picture_.SetArrowLine(line, shown);
  }
  if (arrow.shown) {
    label_.show();
    if (!timer2_->isActive()) timer2_->start();  // enabling a running timer does not restart it
  }
}

void ObserverArrowView::OnTimer2Timeout() {
  const int mode = NextArrowDrawMode(picture_.ArrowLineAt(1).drawMode);
  for (int line = 1; line <= kArrowLineCount; ++line) {
    ArrowLine blinking = picture_.ArrowLineAt(line);
    blinking.drawMode = mode;
    picture_.SetArrowLine(line, blinking);
  }
}
