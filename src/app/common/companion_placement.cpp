#include "app/common/companion_placement.h"

#include <QEvent>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int kSettleTickMs = 50;
// The window manager's time to settle both windows once it has framed them, counted from then so
// that a busy machine's slow framing does not cut it short; and its time to frame them at all.
constexpr int kSettleTicks = 60;    // 3 s
constexpr int kFramingTicks = 200;  // 10 s
// Found where it belongs this many ticks in a row before it is left there: Qt reports a move as
// done at once, and a busy window manager may still apply its own placement a moment later.
constexpr int kHeldTicks = 6;  // 0.3 s

bool Framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

}  // namespace

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
  settle_.setInterval(kSettleTickMs);
  connect(&settle_, &QTimer::timeout, this, &CompanionPlacement::Tick);
}

bool CompanionPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous() &&
      !settle_.isActive() && ticks_ == 0) {
    window_.removeEventFilter(this);
    Apply();
    settle_.start();
  }
  return QObject::eventFilter(watched, event);
}

void CompanionPlacement::Tick() {
  ++ticks_;
  if (!main_.isNull() && Framed(window_) && Framed(*main_)) ++framedTicks_;
  heldTicks_ = !main_.isNull() && Apply() ? heldTicks_ + 1 : 0;
  if (main_.isNull() || heldTicks_ >= kHeldTicks || framedTicks_ >= kSettleTicks ||
      ticks_ >= kFramingTicks) {
    settle_.stop();
    placed_ = true;
    deleteLater();
  }
}

bool CompanionPlacement::Pending(const QWidget& window) const {
  const auto placements =
      window.findChildren<CompanionPlacement*>(QString(), Qt::FindDirectChildrenOnly);
  return std::any_of(placements.begin(), placements.end(), [this](const CompanionPlacement* other) {
    return other != this && !other->placed_;
  });
}

bool CompanionPlacement::Apply() {
  if (main_.isNull()) return false;
  const QScreen* screen = main_->screen();
  if (screen == nullptr) return false;
  const QMargins mainMargins = FrameMarginsOr(main_->frameGeometry(), main_->geometry(), {});
  const bool framed = Framed(window_);
  // Unframed, it stays where it was first put: the window manager is framing it (and Qt may
  // never learn the frame's margins, when that first place stands).
  if (!framed && ticks_ > 0) return false;
  const QRect available = screen->availableGeometry();
  // Resized since it was placed (by the user, by the program that opened it, or by the window
  // manager fitting it to the screen): its size is theirs, and it stays where it is as far as its
  // frame stays on the screen (a window grown after it was placed beside the main one may reach
  // past the screen's edge).
  if (ticks_ > 0 && window_.size() != placedSize_) {
    const QRect frame = window_.frameGeometry();
    const QPoint kept = FrameKeptWithin(frame, available);
    if (kept != frame.topLeft()) window_.move(kept);
    return true;
  }
  const QMargins margins = FrameMarginsOr(window_.frameGeometry(), window_.geometry(), mainMargins);
  // No larger than the screen, as far as the window can shrink.
  const QSize fitted = window_.size()
                           .boundedTo(available.size().shrunkBy(margins))
                           .expandedTo(window_.minimumSize());
  if (fitted != window_.size()) window_.resize(fitted);
  placedSize_ = window_.size();
  const QPoint frameAt = where_(window_.size().grownBy(margins), available);
  const bool settled = framed && Framed(*main_) && !Pending(*main_);
  if (settled && window_.frameGeometry().topLeft() == frameAt) return true;
  // move() places a framed window's frame; an unframed window's client area is placed where its
  // frame will be, so it is moved by the margins expected.
  const QPoint at = framed ? frameAt : frameAt + QPoint(margins.left(), margins.top());
  if (at != window_.pos()) window_.move(at);
  return false;
}
