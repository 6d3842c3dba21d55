#include "app/curves/phase_curve_window.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <numbers>

#include "app/curves/plot_view.h"
#include "app/locale_numbers.h"
#include "app/picture/background_pass.h"
#include "intake/law_texts.h"

namespace {

constexpr double kStepDegrees = 1.0;

double Magnitude(double brightness) { return -2.5 * std::log10(brightness); }

CurveSeries Series(const QString& name, const std::vector<double>& degrees,
                   double (*valueAt)(double g, const std::vector<double>& own, size_t k),
                   const std::vector<double>& own, bool magnitudes, QColor colour,
                   Qt::PenStyle style) {
  CurveSeries series{name, {}, colour, style};
  for (size_t k = 0; k < degrees.size(); ++k) {
    const double value = valueAt(degrees[k] * std::numbers::pi / 180.0, own, k);
    series.points.emplace_back(degrees[k], magnitudes ? Magnitude(value) : value);
  }
  return series;
}

}  // namespace

CurvePlot PhaseCurvePlot(const PhaseCurve& curve, int32_t kind, bool magnitudes) {
  CurvePlot plot;
  plot.title = QStringLiteral("Фазовая кривая: %1").arg(QString::fromStdString(FunctionDisplayName(kind)));
  plot.xTitle = QStringLiteral("g, градусов");
  plot.yTitle = magnitudes ? QStringLiteral("−2,5·lg Φ(g)") : QStringLiteral("Φ(g)");
  plot.yReversed = magnitudes;
  plot.xRange = {0.0, 180.0};
  plot.xTicks = 7;
  plot.xFormat = QStringLiteral("%.0f");
  const auto own = [](double, const std::vector<double>& values, size_t k) { return values[k]; };
  const auto lambert = [](double g, const std::vector<double>&, size_t) {
    return LambertSpherePhase(g);
  };
  const auto lommel = [](double g, const std::vector<double>&, size_t) {
    return LommelSeeligerSpherePhase(g);
  };
  plot.series = {
      Series(QString::fromStdString(FunctionDisplayName(kind)), curve.degrees, own,
             curve.brightness, magnitudes, QColor(20, 60, 160), Qt::SolidLine),
      Series(QStringLiteral("сфера Ламберта"), curve.degrees, lambert, {}, magnitudes,
             QColor(120, 120, 120), Qt::DashLine),
      Series(QStringLiteral("сфера Ломмеля — Зеелигера"), curve.degrees, lommel, {}, magnitudes,
             QColor(200, 120, 0), Qt::DashLine)};
  return plot;
}

PhaseCurveWindow::PhaseCurveWindow(JobRunner& jobs, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("PhaseCurveWindow"));
  setWindowTitle(QStringLiteral("Фазовая кривая"));
  view_ = new PlotView(this);
  magnitudes_ = new QCheckBox(QStringLiteral("В звёздных величинах"), this);
  magnitudes_->setObjectName(QStringLiteral("PhaseMagnitudes"));
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
  if (!curve_) {
    view_->SetPlot(CurvePlot{}, std::string());
    integral_->setText(kind_ == kMirror ? QStringLiteral("У зеркальной функции фазовой кривой нет: "
                                                         "её яркость сосредоточена в одной точке.")
                                        : QStringLiteral("Функция темна на всём диске при g = 0."));
    return;
  }
  view_->SetPlot(PhaseCurvePlot(*curve_, kind_, magnitudes_->isChecked()), PhaseCurveCsv(*curve_));
  integral_->setText(QStringLiteral("Фазовый интеграл q = 2∫Φ(g) sin g dg = %1")
                         .arg(UserLocale().toString(curve_->phaseIntegral, 'f', 4)));
}

void PhaseCurveWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  emit ShownChanged(true);
  Compute();
}

void PhaseCurveWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  pass_->Cancel();
  emit ShownChanged(false);
}
