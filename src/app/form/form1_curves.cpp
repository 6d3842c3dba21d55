// Form1's plot windows: «Фазовая кривая» follows every pass shown while it is open.

#include <QAction>

#include "app/curves/phase_curve_window.h"
#include "app/form/form1.h"

void Form1::SetUpCurves() {
  openPhaseCurve_ = new QAction(QStringLiteral("Фазовая кривая"), this);
  openPhaseCurve_->setObjectName(QStringLiteral("OpenPhaseCurve"));
  openPhaseCurve_->setCheckable(true);
  connect(openPhaseCurve_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenPhaseCurve();
    } else if (phaseCurve_ != nullptr) {
      phaseCurve_->close();
    }
  });
}

void Form1::OpenPhaseCurve() {
  if (phaseCurve_ == nullptr) {
    phaseCurve_ = new PhaseCurveWindow(*jobs_, this);
    connect(phaseCurve_, &PhaseCurveWindow::ShownChanged, openPhaseCurve_, &QAction::setChecked);
    if (lastPass_) phaseCurve_->ShowPass(*lastPass_);
  }
  phaseCurve_->show();
  phaseCurve_->raise();
  phaseCurve_->activateWindow();
}

void Form1::ShowPassInCurves() {
  if (phaseCurve_ != nullptr && phaseCurve_->isVisible()) phaseCurve_->ShowPass(*lastPass_);
}
