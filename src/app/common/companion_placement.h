#pragma once
// A window placed as it is first shown, no larger than the screen's available area as far as it
// can shrink, and again, with its frame's true size, until the window manager has framed it and
// left it there; after that, or once someone else has resized it, it stays where the user puts
// it. Until it is framed its frame is taken to be as much larger than its client area as the
// main window's.
// The window manager's framing is watched for a short while once both windows are framed
// (kSettleTicks), not waited for by events: a window left where it was asked to be gets no move.
//   Follow      a second window, beside the main window (FramePositionBeside), once the main
//               window itself is framed and placed;
//   AtTopLeft   the main window, at the top-left corner of its screen's available area, where
//               the windows beside it find the most room.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/common/window_placement.h"

class CompanionPlacement final : public QObject {
  Q_OBJECT
 public:
  // Follows `window` (owned by it) until it has been placed for good beside `main`.
  static void Follow(QWidget& window, QWidget& main, BesideRow row = BesideRow::kLevel);
  static void AtTopLeft(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // `where`: the frame's top-left corner for a frame of that size, the available area of the
  // main window's screen given.
  using Where = std::function<QPoint(const QSize& frame, const QRect& available)>;
  CompanionPlacement(QWidget& window, QWidget& main, Where where);
  // Moves the window where it belongs; true when it is there, framed, beside a settled main.
  bool Apply();
  void Tick();
  // Whether `window` has a placement other than this one still under way.
  bool Pending(const QWidget& window) const;

  QWidget& window_;
  QPointer<QWidget> main_;
  Where where_;
  QTimer settle_;
  int ticks_ = 0;
  int framedTicks_ = 0;  // the ticks since both windows were framed
  int heldTicks_ = 0;    // the ticks in a row it has been found where it belongs
  bool placed_ = false;  // for good, or given up
  QSize placedSize_;     // the size it was given when last placed
};
