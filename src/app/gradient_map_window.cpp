#include "app/gradient_map_window.h"

#include <QVBoxLayout>

#include "app/picture_box.h"
#include "model/startup_values.h"
#include "shading/gradient_map.h"

GradientMapWindow::GradientMapWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("GradientMapWindow"));
  setWindowTitle(QStringLiteral("Карта отражательной способности R(p, q)"));
  picture_ = new PictureBox(QSize(kDefaultPictureWidth, kDefaultPictureHeight), this);
  picture_->setObjectName(QStringLiteral("MapPicture"));
  picture_->setMouseTracking(true);
  // Until a pass is shown the plane is empty but its axes already say what it is.
  DrawGradientAxes(*picture_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  setFixedSize(picture_->size());
}

void GradientMapWindow::ShowPass(const RenderState& lastPass, bool smoothing) {
  mapState_ = lastPass;
  RunGradientMapPass(lastPass, *picture_, smoothing);
  picture_->update();
}
