#include "app/curves/profile_drag.h"

#include <QMouseEvent>

#include "app/picture/picture_box.h"

ProfileDrag::ProfileDrag(PictureBox& picture, QObject* parent)
    : QObject(parent), picture_(picture) {
  picture_.installEventFilter(this);
}

bool ProfileDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &picture_) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPointF at = mouse->position();
  if (type == QEvent::MouseButtonPress) {
    if (mouse->button() != Qt::LeftButton || !mouse->modifiers().testFlag(Qt::ShiftModifier)) {
      return false;
    }
    from_ = at;
    picture_.SetLineMark(QLineF(at, at));
    return true;
  }
  if (!from_) return false;
  if (type == QEvent::MouseMove) {
    picture_.SetLineMark(QLineF(*from_, at));
    return false;  // the readout still follows the pointer
  }
  if (mouse->button() != Qt::LeftButton) return true;
  const QLineF line(*from_, at);
  from_.reset();
  emit LineChosen(line);
  return true;
}
