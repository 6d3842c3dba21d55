// What Form1 adds around Picture1: the readout of the last pass under the pointer, in a box over
// the picture, and the picture's context menu for saving and copying it. Neither touches the
// picture's pixels or the RenderState; the readout reads the copy the last pass left, and is
// read again where the pointer rests once a dialog closes.

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "app/form1.h"
#include "app/gradient_map_window.h"
#include "app/locale_numbers.h"
#include "app/picture_box.h"
#include "app/picture_export.h"
#include "app/picture_menu.h"
#include "app/readout_overlay.h"
#include "app/readout_text.h"
#include "shading/readout.h"

void Form1::SetUpPictureAdditions() {
  readout_ = new ReadoutOverlay(picture1_);
  connect(picture1_, &PictureBox::pointerMoved, this, &Form1::OnPicturePointerMoved);
  connect(picture1_, &PictureBox::pointerLeft, readout_, &QWidget::hide);
  pictureMenu_ = new PictureMenu(*picture1_, *this, [this] { return PictureToExport(); });
  auto* openMap = new QAction(QStringLiteral("Карта отражательной способности R(p, q)"), this);
  openMap->setObjectName(QStringLiteral("OpenGradientMap"));
  openMap->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  connect(openMap, &QAction::triggered, this, &Form1::OpenGradientMap);
  pictureMenu_->AddAction(openMap);
}

// A second window first opens to the right of this one, kept on the screen.
void Form1::PlaceBeside(QWidget& window) const {
  constexpr int kGap = 8;
  QPoint at = frameGeometry().topRight() + QPoint(kGap, 0);
  if (const QScreen* shown = screen()) {
    const QRect available = shown->availableGeometry();
    const QSize size = window.frameGeometry().size();  // known once the window is shown
    at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - size.width())));
    at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - size.height())));
  }
  window.move(at);
}

// The map's window is made when first asked for and shows the last pass, if there was one; it
// then follows every pass until the program ends.
void Form1::OpenGradientMap() {
  if (mapWindow_ == nullptr) {
    mapWindow_ = new GradientMapWindow(this);
    if (lastPass_) mapWindow_->ShowPass(*lastPass_, lastPassSmoothing_);
    mapWindow_->show();
    PlaceBeside(*mapWindow_);
  }
  mapWindow_->show();
  mapWindow_->raise();
  mapWindow_->activateWindow();
}

bool Form1::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // While a dialog was open the picture saw no move of the pointer: a readout still shown
  // belongs to where the pointer was when the dialog opened.
  if (event->type() == QEvent::WindowUnblocked && picture1_ != nullptr) picture1_->ReportPointer();
  return handled;
}

void Form1::OnPicturePointerMoved(QPoint position) {
  const std::optional<Readout> readout =
      lastPass_ ? ReadoutAtPixel(*lastPass_, picture1_->Width(), picture1_->Height(), position.x(),
                                 position.y())
                : std::nullopt;
  if (!readout) {
    readout_->hide();
    return;
  }
  readout_->ShowLines(ReadoutLines(*readout, *lastPass_, UserLocale()), position);
}

QImage Form1::PictureToExport() const { return ExportedPicture(*picture1_, label6_); }
