#include "app/curves/phase_curve_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <memory>

#include "app/common/locale_numbers.h"
#include "app/curves/plot_view.h"
#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "plots/curve_plots.h"

namespace {

constexpr double kStepDegrees = 1.0;

}  // namespace

PhaseCurveWindow::PhaseCurveWindow(JobRunner& jobs, QWidget* parent)
    : CompanionWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("PhaseCurveWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "PhaseCurveWindow",
                                  QT_TRANSLATE_NOOP("PhaseCurveWindow", "Фазовая кривая"));
  view_ = new PlotView(this);
  magnitudes_ = new QCheckBox(this);
  magnitudes_->setObjectName(QStringLiteral("PhaseMagnitudes"));
  TranslatedTexts::Of(*this).Keep(magnitudes_, &QCheckBox::setText, "PhaseCurveWindow",
                                  QT_TRANSLATE_NOOP("PhaseCurveWindow", "В звёздных величинах"));
  integral_ = new QLabel(this);
  integral_->setObjectName(QStringLiteral("PhaseIntegral"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addWidget(integral_);
  layout->addWidget(magnitudes_);
  connect(magnitudes_, &QCheckBox::toggled, this, &PhaseCurveWindow::ShowCurve);
  pass_ = new BackgroundPass(jobs, *view_, this);
  pass_->setObjectName(QStringLiteral("PhaseCurvePass"));
  resize(680, 540);
  // A change of language draws the curve shown again, its texts translated.
  TranslatedTexts::Of(*this).Keep([this] {
    if (curve_) ShowCurve();
    ShowIntegral(false);
  });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (pass_->Running()) {
      pass_->Cancel();
    } else {
      close();
    }
  });
}

void PhaseCurveWindow::ShowPass(const LastPass& pass) {
  requested_ = pass;
  Compute();
}

void PhaseCurveWindow::CancelPass() { pass_->Cancel(); }

void PhaseCurveWindow::Compute() {
  if (!requested_ || !isVisible()) return;
  auto result = std::make_shared<std::optional<PhaseCurve>>();
  const RenderState state = requested_->state;
  pass_->Start([result, state] { *result = ComputePhaseCurve(state, kStepDegrees); },
               [this, result, kind = state.reflectanceKind] {
                 curve_ = std::move(*result);
                 kind_ = kind;
                 ShowCurve();
                 emit CurveShown();
               });
}

void PhaseCurveWindow::ShowCurve() {
  if (curve_) {
    view_->SetPlot(PhaseCurvePlot(*curve_, kind_, magnitudes_->isChecked()),
                   PhaseCurveCsv(*curve_));
  } else {
    view_->SetPlot(CurvePlot{}, std::string());
  }
  ShowIntegral(true);
}

// The phase integral, or why there is no curve; a change of language (`always` false) sets only
// a line already shown.
void PhaseCurveWindow::ShowIntegral(bool always) {
  if (!always && integral_->text().isEmpty()) return;
  if (!curve_) {
    integral_->setText(kind_ == kMirror
                           ? QCoreApplication::translate("PhaseCurveWindow",
                                                         "У зеркальной функции фазовой кривой нет: "
                                                         "её яркость сосредоточена в одной точке.")
                           : QCoreApplication::translate("PhaseCurveWindow",
                                                         "Функция темна на всём диске при g = 0."));
    return;
  }
  integral_->setText(
      QCoreApplication::translate("PhaseCurveWindow", "Фазовый интеграл q = 2∫Φ(g) sin g dg = %1")
          .arg(UserLocale().toString(curve_->phaseIntegral, 'f', 4)));
}

void PhaseCurveWindow::OnShown() { Compute(); }

void PhaseCurveWindow::OnHidden() { pass_->Cancel(); }
