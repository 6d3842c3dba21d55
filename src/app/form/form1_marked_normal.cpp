// The ring on Picture1 at a marked normal (the cell under the pointer on a surface's images),
// where the last pass's view shows that normal.

#include <QPainter>

#include "app/form/form1.h"
#include "app/picture/picture_box.h"
#include "figure/linked_marks.h"
#include "overlay/sphere_marks.h"

void Form1::MarkNormal(std::optional<Gradient> gradient) {
  if (!gradient && !markedNormal_) return;
  markedNormal_ = gradient;
  picture1_->update();
}

std::optional<PixelPoint> Form1::MarkedNormalPoint() const {
  if (!markedNormal_ || !lastPass_) return std::nullopt;
  const Point3 normal = GradientNormal(*markedNormal_);
  const QSize size = picture1_->Image().size();
  return DirectionOnPicture(lastPass_->state, size.width(), size.height(), normal.x, normal.y,
                            normal.z);
}

void Form1::DrawMarkedNormal(QPainter& painter) const {
  const std::optional<PixelPoint> point = MarkedNormalPoint();
  if (point) DrawNormalRing(painter, picture1_->PixelRatio(), *point, lastPass_->lineWidth);
}
