#include "app/picture/pointer_drag.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

PointerDrag::PointerDrag(QWidget& widget, Moved moved, QObject* parent)
    : QObject(parent), widget_(widget), moved_(std::move(moved)) {
  widget_.installEventFilter(this);
}

PointerDrag::~PointerDrag() { End(); }

// The widget's press starts the drag; from then on the application's events are watched, since
// the moves go to whatever widget is under the pointer once it leaves the picture.
bool PointerDrag::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (!dragging_) {
    // With Shift the press draws a profile's line instead (profile_drag.h).
    if (watched == &widget_ && type == QEvent::MouseButtonPress &&
        mouse->button() == Qt::LeftButton && !mouse->modifiers().testFlag(Qt::ShiftModifier)) {
      Begin(mouse->globalPosition());
    }
    return false;
  }
  // The same move reaches several filters on its way up to its parents: each is taken once, by
  // its position.
  if (type == QEvent::MouseMove && mouse->buttons().testFlag(Qt::LeftButton)) {
    const QPointF delta = mouse->globalPosition() - last_;
    if (!delta.isNull()) {
      last_ = mouse->globalPosition();
      moved_(delta);
    }
  } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
    End();
  } else if (type == QEvent::MouseMove) {
    End();  // the release went to another application
  }
  return false;
}

void PointerDrag::Begin(QPointF global) {
  dragging_ = true;
  last_ = global;
  QCoreApplication::instance()->installEventFilter(this);
}

void PointerDrag::End() {
  if (!dragging_) return;
  dragging_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
}
