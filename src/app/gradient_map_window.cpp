#include "app/gradient_map_window.h"

#include <QEvent>
#include <QVBoxLayout>

#include "app/locale_numbers.h"
#include "app/picture_box.h"
#include "app/readout_overlay.h"
#include "app/readout_text.h"
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
  readout_ = new ReadoutOverlay(picture_);
  connect(picture_, &PictureBox::pointerMoved, this, &GradientMapWindow::OnPointerMoved);
  connect(picture_, &PictureBox::pointerLeft, readout_, &QWidget::hide);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  setFixedSize(picture_->size());
}

void GradientMapWindow::ShowPass(const RenderState& lastPass, bool smoothing) {
  mapState_ = lastPass;
  readout_->hide();
  RunGradientMapPass(lastPass, *picture_, smoothing);
  picture_->update();
}

bool GradientMapWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowUnblocked && picture_ != nullptr) picture_->ReportPointer();
  return handled;
}

void GradientMapWindow::OnPointerMoved(QPoint position) {
  const std::optional<Readout> readout =
      mapState_ ? GradientReadoutAtPixel(*mapState_, picture_->Width(), picture_->Height(),
                                         position.x(), position.y())
                : std::nullopt;
  if (!readout) {
    readout_->hide();
    return;
  }
  readout_->ShowLines(ReadoutLines(*readout, *mapState_, UserLocale()), position);
}
