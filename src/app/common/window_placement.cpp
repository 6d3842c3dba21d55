#include "app/common/window_placement.h"

#include <algorithm>
#include <optional>

namespace {

// `start` moved into [low, high - length], or to low where the length exceeds the room.
int Clamped(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

// Right of the main window, else left of it, where the whole width fits.
std::optional<int> BesideX(const QRect& mainFrame, int width, const QRect& available) {
  const int right = mainFrame.right() + 1 + kBesideGap;
  const int left = mainFrame.left() - kBesideGap - width;
  if (right + width <= available.right() + 1) return right;
  if (left >= available.left()) return left;
  return std::nullopt;
}

// Below the main window, else above it, where the whole height fits.
std::optional<int> BelowOrAboveY(const QRect& mainFrame, int height, const QRect& available) {
  const int below = mainFrame.bottom() + 1 + kBesideGap;
  const int above = mainFrame.top() - kBesideGap - height;
  if (below + height <= available.bottom() + 1) return below;
  if (above >= available.top()) return above;
  return std::nullopt;
}

}  // namespace

QPoint FramePositionBeside(const QRect& mainFrame, const QSize& frame, const QRect& available,
                           BesideRow row) {
  const int availableEnd = available.right() + 1;
  const int availableBottom = available.bottom() + 1;
  const int levelY = row == BesideRow::kLevel ? mainFrame.top() : availableBottom - frame.height();
  const auto within = [&](int x, int y) {
    return QPoint(Clamped(x, frame.width(), available.left(), availableEnd),
                  Clamped(y, frame.height(), available.top(), availableBottom));
  };
  if (const std::optional<int> x = BesideX(mainFrame, frame.width(), available)) {
    return within(*x, levelY);
  }
  if (frame.height() <= available.height() && frame.width() <= available.width()) {
    if (const std::optional<int> y = BelowOrAboveY(mainFrame, frame.height(), available)) {
      return within(mainFrame.left(), *y);
    }
  }
  // No room anywhere: against an edge of the area, where it covers the least of the main window
  // (in this order where two cover as much).
  const QPoint candidates[] = {within(availableEnd - frame.width(), levelY),
                               within(available.left(), levelY),
                               within(mainFrame.left(), availableBottom - frame.height()),
                               within(mainFrame.left(), available.top())};
  const auto covered = [&](QPoint at) {
    const QRect over = QRect(at, frame).intersected(mainFrame);
    return over.isEmpty() ? 0LL : static_cast<long long>(over.width()) * over.height();
  };
  QPoint best = candidates[0];
  for (const QPoint& at : candidates) {
    if (covered(at) < covered(best)) best = at;
  }
  return best;
}

QPoint FrameKeptWithin(const QRect& frame, const QRect& available) {
  return {Clamped(frame.left(), frame.width(), available.left(), available.right() + 1),
          Clamped(frame.top(), frame.height(), available.top(), available.bottom() + 1)};
}

QPoint GrownFramePosition(const QRect& frame, int grown, const QRect& mainFrame,
                          const QRect& available) {
  const QPoint kept = FrameKeptWithin(frame, available);
  if (!QRect(kept, frame.size()).intersects(mainFrame)) return kept;
  const QRect leftwards = frame.translated(-grown, 0);
  if (available.contains(leftwards) && !leftwards.intersects(mainFrame)) {
    return leftwards.topLeft();
  }
  return kept;
}

QMargins FrameMarginsOr(const QRect& frameGeometry, const QRect& geometry,
                        const QMargins& estimate) {
  if (frameGeometry == geometry) return estimate;
  return {geometry.left() - frameGeometry.left(), geometry.top() - frameGeometry.top(),
          frameGeometry.right() - geometry.right(), frameGeometry.bottom() - geometry.bottom()};
}
