#include "app/companion_placement.h"

#include <QEvent>
#include <QScreen>
#include <algorithm>

namespace {

bool Framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

}  // namespace

bool CompanionPlacement::Pending(const QWidget& window) const {
  const auto placements =
      window.findChildren<CompanionPlacement*>(QString(), Qt::FindDirectChildrenOnly);
  return std::any_of(placements.begin(), placements.end(), [this](const CompanionPlacement* other) {
    return other != this && !other->placed_;
  });
}

void CompanionPlacement::Follow(QWidget& window, QWidget& main, BesideRow row) {
  new CompanionPlacement(window, main, [&main, row](const QSize& frame, const QRect& available) {
    return FramePositionBeside(main.frameGeometry(), frame, available, row);
  });
}

void CompanionPlacement::AtTopLeft(QWidget& window) {
  new CompanionPlacement(window, window,
                         [](const QSize&, const QRect& available) { return available.topLeft(); });
}

CompanionPlacement::CompanionPlacement(QWidget& window, QWidget& main, Where where)
    : QObject(&window), window_(window), main_(&main), where_(std::move(where)) {
  window.installEventFilter(this);
  // The main window may itself be framed and moved only after this one was placed.
  if (&main != &window) main.installEventFilter(this);
}

bool CompanionPlacement::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == &window_ && type == QEvent::Show && !shown_ && !event->spontaneous()) {
    shown_ = true;
    Apply();
  } else if (shown_ && Framed(window_) &&
             (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint)) {
    // Framed (the window manager may have left it where it was asked to be, without a move):
    // placed once more with the true frames, and left to the user once the main window is
    // framed and placed for good too.
    if (main_.isNull() || (Framed(*main_) && !Pending(*main_))) {
      placed_ = true;
      window_.removeEventFilter(this);
      if (!main_.isNull()) main_->removeEventFilter(this);
      deleteLater();
    }
    Apply();
  }
  return QObject::eventFilter(watched, event);
}

void CompanionPlacement::Apply() {
  if (main_.isNull()) return;
  const QScreen* screen = main_->screen();
  if (screen == nullptr) return;
  const QMargins mainMargins = FrameMarginsOr(main_->frameGeometry(), main_->geometry(), {});
  const QMargins margins = FrameMarginsOr(window_.frameGeometry(), window_.geometry(), mainMargins);
  const QPoint frameAt = where_(window_.size().grownBy(margins), screen->availableGeometry());
  // move() places a framed window's frame; an unframed window's client area is placed where its
  // frame will be, so it is moved by the margins expected.
  const QPoint at = Framed(window_) ? frameAt : frameAt + QPoint(margins.left(), margins.top());
  if (at != window_.pos()) window_.move(at);
}
