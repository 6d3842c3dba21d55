#include "app/form/live_shading.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <array>
#include <utility>

#include "app/form/angle_steps.h"
#include "app/form/parameter_boxes.h"
#include "app/form/pass_throttle.h"
#include "app/picture/picture_box.h"
#include "app/picture/pointer_drag.h"

namespace {

constexpr std::array kAngleFields = {ShadeField::kRotX, ShadeField::kRotY, ShadeField::kRotZ,
                                     ShadeField::kSlant};
constexpr int kWheelNotch = 120;  // QWheelEvent::angleDelta of one notch

}  // namespace

LiveShading::LiveShading(const ParameterBoxes& boxes, PictureBox& sphere,
                         std::function<void()> runPass, QObject* parent)
    : QObject(parent), boxes_(boxes), throttle_(new PassThrottle(std::move(runPass), this)) {
  setObjectName(QStringLiteral("LiveShading"));
  for (ShadeField field : kAngleFields) boxes_.Box(field).installEventFilter(this);
  new PointerDrag(
      sphere, [this](QPointF delta) { OnSphereDragged(delta); }, this);
}

void LiveShading::FollowSphere(PictureBox& sphere) {
  new PointerDrag(
      sphere, [this](QPointF delta) { OnSphereDragged(delta); }, this);
}

void LiveShading::FollowMap(PictureBox& map) {
  if (mapFollowed_) return;
  mapFollowed_ = true;
  new PointerDrag(
      map, [this](QPointF delta) { OnMapDragged(delta); }, this);
}

void LiveShading::RequestPass() { throttle_->Request(); }

bool LiveShading::eventFilter(QObject* watched, QEvent* event) {
  ShadeField field{};
  bool angleBox = false;
  for (ShadeField candidate : kAngleFields) {
    if (watched == &boxes_.Box(candidate)) {
      field = candidate;
      angleBox = true;
    }
  }
  if (!angleBox) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
    const double step = AngleStepFor(key->modifiers());
    if (Step(field, key->key() == Qt::Key_Up ? step : -step)) throttle_->Request();
    return true;
  }
  if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint angle = wheel->angleDelta();
    // Some systems turn a vertical wheel with Shift held into a horizontal one.
    wheelRemainder_ += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches != 0 && Step(field, notches * AngleStepFor(wheel->modifiers()))) {
      throttle_->Request();
    }
    return true;
  }
  return false;
}

bool LiveShading::Step(ShadeField field, double degrees) {
  QLineEdit& box = boxes_.Box(field);
  const std::optional<QString> stepped = SteppedAngleText(box.text(), degrees);
  if (!stepped || *stepped == box.text()) return false;
  box.setText(*stepped);
  return true;
}

void LiveShading::OnSphereDragged(QPointF delta) {
  const bool turnedZ = delta.x() != 0 && Step(ShadeField::kRotZ, kDegreesPerPixel * delta.x());
  const bool turnedX = delta.y() != 0 && Step(ShadeField::kRotX, kDegreesPerPixel * delta.y());
  if (turnedZ || turnedX) throttle_->Request();
}

// q grows upwards and the source lies at q = −tan σ: a larger slant puts it lower.
void LiveShading::OnMapDragged(QPointF delta) {
  if (delta.y() != 0 && Step(ShadeField::kSlant, kDegreesPerPixel * delta.y())) {
    throttle_->Request();
  }
}
