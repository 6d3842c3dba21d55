// What Form1 adds around Picture1: the readout of the last pass under the pointer, the picture's
// context menu for saving and copying it, and the gradient-space map it opens. None of them
// touches the picture's pixels or the RenderState; the readout and the map read the last pass.

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "app/form1.h"
#include "app/gradient_map_window.h"
#include "app/live_shading.h"
#include "app/picture_box.h"
#include "app/picture_export.h"
#include "app/picture_menu.h"
#include "app/pointer_readout.h"
#include "shading/readout.h"

void Form1::SetUpPictureAdditions() {
  readout_ =
      new PointerReadout(*picture1_, *this, &ReadoutAtPixel, [this] { return LastPassState(); });
  pictureMenu_ = new PictureMenu(*picture1_, *this, [this] { return PictureToExport(); });
  openMap_ = new QAction(QStringLiteral("Карта R(p, q)"), this);
  openMap_->setObjectName(QStringLiteral("OpenGradientMap"));
  openMap_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  // Checked while the map is shown: the key, the menus and the map's own close button agree.
  openMap_->setCheckable(true);
  connect(openMap_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenGradientMap();
    } else if (mapWindow_ != nullptr) {
      mapWindow_->close();
    }
  });
  pictureMenu_->AddAction(openMap_);
}

// A second window first opens to the right of this one, kept on the screen.
void Form1::PlaceBeside(QWidget& window) const {
  constexpr int kGap = 8;
  QPoint at = this->window()->frameGeometry().topRight() + QPoint(kGap, 0);
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
    connect(mapWindow_, &GradientMapWindow::ShownChanged, openMap_, &QAction::setChecked);
    live_->FollowMap(mapWindow_->Picture());
    if (lastPass_) mapWindow_->ShowPass(*lastPass_);
    mapWindow_->show();
    PlaceBeside(*mapWindow_);
  }
  mapWindow_->show();
  mapWindow_->raise();
  mapWindow_->activateWindow();
}

QImage Form1::PictureToExport() const { return ExportedPicture(*picture1_, label6_); }
