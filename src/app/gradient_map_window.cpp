#include "app/gradient_map_window.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/picture_box.h"
#include "app/pointer_readout.h"
#include "model/startup_values.h"
#include "shading/gradient_map.h"
#include "shading/readout.h"

GradientMapWindow::GradientMapWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("GradientMapWindow"));
  setWindowTitle(QStringLiteral("Карта отражательной способности R(p, q)"));
  picture_ = new PictureBox(QSize(kDefaultPictureWidth, kDefaultPictureHeight), this);
  picture_->setObjectName(QStringLiteral("MapPicture"));
  // Until a pass is shown the plane is empty but its axes already say what it is.
  DrawGradientAxes(*picture_);
  // The map window shows the map at its default scale.
  const PointerReadout::ReadoutAt readAt = [](const RenderState& lastPass, int width, int height,
                                              int x, int y) {
    return GradientReadoutAtPixel(lastPass, width, height, x, y);
  };
  readout_ = new PointerReadout(*picture_, *this, readAt, [this] { return MapState(); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  setFixedSize(picture_->size());
}

void GradientMapWindow::ShowPass(const LastPass& pass) {
  shown_ = pass;
  readout_->Hide();
  RunGradientMapPass(pass.state, *picture_, pass.smoothing);
  picture_->update();
}

const ReadoutOverlay& GradientMapWindow::ReadoutBox() const { return readout_->Overlay(); }

void GradientMapWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) emit ShownChanged(true);
}

void GradientMapWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit ShownChanged(false);
}
