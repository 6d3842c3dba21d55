#pragma once
// A window placed as it is first shown, and once more when the window manager has framed it, now
// with its frame's true size; after that it stays where the user puts it. Until it is framed its
// frame is taken to be as much larger than its client area as the main window's.
//   Follow      a second window, beside the main window (FramePositionBeside);
//   AtTopLeft   the main window, at the top-left corner of its screen's available area, where
//               the windows beside it find the most room.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/window_placement.h"

class CompanionPlacement final : public QObject {
  Q_OBJECT
 public:
  // Follows `window` (owned by it) until it has been placed for good beside `main`.
  static void Follow(QWidget& window, QWidget& main, BesideRow row = BesideRow::kLevel);
  static void AtTopLeft(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // `where`: the frame's top-left corner for a frame of that size on the screen of `main`, its
  // available area given; nothing where there is no screen yet.
  using Where = std::function<QPoint(const QSize& frame, const QRect& available)>;
  CompanionPlacement(QWidget& window, QWidget& main, Where where);
  void Apply();
  // Whether `window` has a placement other than this one still under way.
  bool Pending(const QWidget& window) const;

  QWidget& window_;
  QPointer<QWidget> main_;
  Where where_;
  bool shown_ = false;
  bool placed_ = false;  // for good: the filters are gone
};
