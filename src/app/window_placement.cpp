#include "app/window_placement.h"

#include <algorithm>

namespace {

// `start` moved into [low, high - length], or to low where the length exceeds the room.
int Clamped(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

QPoint FramePositionBeside(const QRect& mainFrame, const QSize& frame, const QRect& available) {
  const int right = mainFrame.right() + 1 + kBesideGap;
  const int left = mainFrame.left() - kBesideGap - frame.width();
  const int availableEnd = available.right() + 1;
  int x = 0;
  if (right + frame.width() <= availableEnd) {
    x = right;
  } else if (left >= available.left()) {
    x = left;
  } else {
    // No room on either side: the side with more room, covering the main window's edge there.
    const int roomRight = availableEnd - (mainFrame.right() + 1);
    const int roomLeft = mainFrame.left() - available.left();
    x = roomRight >= roomLeft ? availableEnd - frame.width() : available.left();
  }
  x = Clamped(x, frame.width(), available.left(), availableEnd);
  const int y = Clamped(mainFrame.top(), frame.height(), available.top(), available.bottom() + 1);
  return {x, y};
}

QPoint FrameKeptWithin(const QRect& frame, const QRect& available) {
  return {Clamped(frame.left(), frame.width(), available.left(), available.right() + 1),
          Clamped(frame.top(), frame.height(), available.top(), available.bottom() + 1)};
}

QMargins FrameMarginsOr(const QRect& frameGeometry, const QRect& geometry,
                        const QMargins& estimate) {
  if (frameGeometry == geometry) return estimate;
  return {geometry.left() - frameGeometry.left(), geometry.top() - frameGeometry.top(),
          frameGeometry.right() - geometry.right(), frameGeometry.bottom() - geometry.bottom()};
}
