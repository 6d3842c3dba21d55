// What Form1 does for «Поверхность»: the action that opens it (Ctrl+U, in «Вид» and the map's
// context menu), the window made when first asked for and linked with the map, and the ring on
// Picture1 at the normal of the cell under the pointer on the surface's images.

#include <QAction>
#include <QPainter>
#include <QPushButton>

#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/common/key_pass_through.h"
#include "app/form/form1.h"
#include "app/language/translated_texts.h"
#include "app/map/gradient_map_window.h"
#include "app/picture/picture_box.h"
#include "app/surface/surface_controls.h"
#include "app/surface/surface_window.h"
#include "figure/linked_marks.h"
#include "overlay/sphere_marks.h"

void Form1::SetUpSurfaceAction() {
  openSurface_ = new QAction(this);
  TranslatedTexts::Of(*this).Keep(openSurface_, &QAction::setText, "Form1",
                                  QT_TRANSLATE_NOOP("Form1", "Поверхность"));
  openSurface_->setObjectName(QStringLiteral("OpenSurface"));
  openSurface_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  openSurface_->setCheckable(true);
  LeaveKeyToWindow(*this, openSurface_->shortcut());
  connect(openSurface_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenSurface();
    } else if (surface_ != nullptr) {
      surface_->close();
    }
  });
}

// Made when first asked for, or hidden for a setup's surface; it follows every pass while it is
// shown.
SurfaceWindow& Form1::EnsureSurfaceWindow() {
  if (surface_ == nullptr) {
    surface_ = new SurfaceWindow(*jobs_, this);
    connect(surface_, &SurfaceWindow::ShownChanged, openSurface_, &QAction::setChecked);
    connect(surface_, &SurfaceWindow::ShadeRequested, command1_, &QPushButton::click);
    connect(surface_, &SurfaceWindow::CellPointed, this, &Form1::MarkNormal);
    connect(surface_, &SurfaceWindow::ProfileChosen, this, &Form1::ShowSurfaceProfile);
    connect(&surface_->Controls(), &SurfaceControls::RecoveryRequested, this, &Form1::OpenRecovery);
    if (mapWindow_ != nullptr) surface_->LinkMap(*mapWindow_);
    if (lastPass_) surface_->ShowPass(*lastPass_);
    // At the bottom of the screen: the map's window opens at the top.
    CompanionPlacement::Follow(*surface_, *window(), BesideRow::kBottom);
  }
  return *surface_;
}

void Form1::OpenSurface() {
  EnsureSurfaceWindow();
  BringForward(*surface_);
}

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
