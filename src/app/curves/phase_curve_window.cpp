#include "app/curves/phase_curve_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/curves/observations_panel.h"
#include "app/curves/parameter_values.h"
#include "app/curves/parameter_values_row.h"
#include "app/curves/plot_view.h"
#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "intake/number_text.h"
#include "plots/curve_plots.h"

namespace {

constexpr double kStepDegrees = 1.0;
// «Оппозиция: 0–10°»: the surge near g = 0, ten times finer.
constexpr double kOppositionStepDegrees = 0.1;
constexpr double kOppositionLastDegrees = 10.0;

// The albedo box's caption names the law's scale; Hapke's law has its own.
QString AlbedoCaption(int32_t kind) {
  switch (AlbedoKindOf(kind)) {
    case AlbedoKind::kLambert:
      return QCoreApplication::translate("PhaseCurveWindow", "Альбедо Ламберта A_L:");
    case AlbedoKind::kSingleScattering:
      return QCoreApplication::translate("PhaseCurveWindow", "Альбедо однократного рассеяния w:");
    case AlbedoKind::kLawParameter:
      return QCoreApplication::translate("PhaseCurveWindow",
                                         "Масштаб закона — его w в «Параметрах функции»");
    default:
      return QCoreApplication::translate("PhaseCurveWindow",
                                         "Нормальное альбедо (I/F при i = e = g = 0):");
  }
}

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
  opposition_ = new QCheckBox(this);
  opposition_->setObjectName(QStringLiteral("PhaseOpposition"));
  TranslatedTexts::Of(*this).Keep(opposition_, &QCheckBox::setText, "PhaseCurveWindow",
                                  QT_TRANSLATE_NOOP("PhaseCurveWindow", "Оппозиция: 0–10°"));
  integral_ = new QLabel(this);
  integral_->setObjectName(QStringLiteral("PhaseIntegral"));
  integral_->setWordWrap(true);
  albedoCaption_ = new QLabel(this);
  albedoCaption_->setObjectName(QStringLiteral("LawAlbedoCaption"));
  albedoBox_ = new QLineEdit(UserLocale().toString(kStartAlbedo), this);
  albedoBox_->setObjectName(QStringLiteral("LawAlbedo"));
  albedoBox_->setMaximumWidth(80);
  observations_ = new ObservationsPanel(jobs, this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("PhaseCurveTabs"));
  tabs_->addTab(view_, QString());
  tabs_->addTab(observations_, QString());
  TranslatedTexts::Of(*this).Keep("PhaseCurveWindow",
                                  QT_TRANSLATE_NOOP("PhaseCurveWindow", "Кривая"),
                                  [this](const QString& text) { tabs_->setTabText(0, text); });
  TranslatedTexts::Of(*this).Keep("PhaseCurveWindow",
                                  QT_TRANSLATE_NOOP("PhaseCurveWindow", "Наблюдения"),
                                  [this](const QString& text) { tabs_->setTabText(1, text); });
  auto* albedoRow = new QHBoxLayout;
  albedoRow->addWidget(albedoCaption_);
  albedoRow->addWidget(albedoBox_);
  albedoRow->addStretch(1);
  albedoRow->addWidget(opposition_);
  albedoRow->addWidget(magnitudes_);
  valuesRow_ = new ParameterValuesRow(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addWidget(valuesRow_);
  layout->addWidget(integral_);
  layout->addLayout(albedoRow);
  connect(magnitudes_, &QCheckBox::toggled, this, &PhaseCurveWindow::ShowCurve);
  connect(opposition_, &QCheckBox::toggled, this, &PhaseCurveWindow::Compute);
  connect(valuesRow_, &ParameterValuesRow::ValuesChosen, this, &PhaseCurveWindow::Compute);
  connect(albedoBox_, &QLineEdit::textEdited, this, &PhaseCurveWindow::ReadAlbedo);
  connect(observations_, &ObservationsPanel::Opened, this, [this] { tabs_->setCurrentIndex(1); });
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
  valuesRow_->SetLaw(pass.state.reflectanceKind);
  observations_->SetLaw(pass.state, albedo_);
  Compute();
}

void PhaseCurveWindow::SetLineWidth(int width) {
  view_->SetLineWidth(width);
  observations_->PointsView().SetLineWidth(width);
  observations_->ResidualView().SetLineWidth(width);
}

void PhaseCurveWindow::CancelPass() { pass_->Cancel(); }

void PhaseCurveWindow::Compute() {
  if (!requested_ || !isVisible()) return;
  auto result = std::make_shared<std::optional<PhaseCurve>>();
  auto photometry = std::make_shared<std::optional<DiscPhotometry>>();
  auto valued = std::make_shared<std::vector<PhaseCurve>>();
  const RenderState state = requested_->state;
  const bool close = opposition_->isChecked();
  const int index = valuesRow_->ParameterIndex();
  const std::vector<double> values = valuesRow_->Values();
  std::vector<QString> labels;
  for (const double value : values)
    labels.push_back(ParameterLabel(*valuesRow_->Parameter(), value));
  pass_->Start(
      [result, photometry, valued, state, index, values, close] {
        const auto curveOf = [close](const RenderState& one) {
          return close ? ComputePhaseCurve(one, kOppositionStepDegrees, kPhaseGridSide,
                                           kOppositionLastDegrees)
                       : ComputePhaseCurve(one, kStepDegrees);
        };
        *result = curveOf(state);
        if (*result) *photometry = ComputeDiscPhotometry(state, 1.0);
        for (const double value : values) {
          RenderState one = state;
          one.law.parameters[static_cast<size_t>(index)] = value;
          std::optional<PhaseCurve> curve = curveOf(one);
          if (!curve) {  // cancelled, or dark at this value: the law's own curve alone
            valued->clear();
            return;
          }
          valued->push_back(std::move(*curve));
        }
      },
      [this, result, photometry, valued, labels, kind = state.reflectanceKind] {
        curve_ = std::move(*result);
        valueCurves_ = std::move(*valued);
        valueLabels_ = labels;
        photometry_ = *photometry;
        kind_ = kind;
        ShowCurve();
        emit CurveShown();
      });
}

void PhaseCurveWindow::ShowCurve() {
  if (curve_ && !valueCurves_.empty()) {
    view_->SetPlot(PhaseCurvesPlot(valueCurves_, valueLabels_, kind_, magnitudes_->isChecked()),
                   ParameterCurvesCsv(valueCurves_, valueLabels_));
  } else if (curve_) {
    view_->SetPlot(PhaseCurvePlot(*curve_, kind_, magnitudes_->isChecked()),
                   PhaseCurveCsv(*curve_));
  } else {
    view_->SetPlot(CurvePlot{}, std::string());
  }
  ShowIntegral(true);
}

// The albedos, or why there is no curve; a change of language (`always` false) sets only
// a line already shown.
void PhaseCurveWindow::ShowIntegral(bool always) {
  albedoCaption_->setText(AlbedoCaption(kind_));
  albedoBox_->setVisible(AlbedoKindOf(kind_) != AlbedoKind::kLawParameter);
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
  if (!photometry_) return;
  // p and A grow with the albedo typed; Hapke's scale is its own w.
  const bool ownScale = AlbedoKindOf(kind_) == AlbedoKind::kLawParameter;
  const double p = photometry_->geometricAlbedo * (ownScale ? 1.0 : albedo_);
  const QLocale locale = UserLocale();
  integral_->setText(
      QCoreApplication::translate("PhaseCurveWindow",
                                  "Геометрическое альбедо p = %1, фазовый интеграл q = 2∫Φ(g) "
                                  "sin g dg = %2, сферическое альбедо A = p·q = %3")
          .arg(locale.toString(p, 'f', 4), locale.toString(photometry_->phaseIntegral, 'f', 4),
               locale.toString(p * photometry_->phaseIntegral, 'f', 4)));
}

// A text that does not read, or above 1 for Lambert's and Lommel-Seeliger's albedo, marks the box
// and keeps the last value.
void PhaseCurveWindow::ReadAlbedo() {
  const NumberReading<double> read =
      ReadDouble(albedoBox_->text().toStdString(), UserNumberFormat());
  const bool bounded = AlbedoKindOf(kind_) == AlbedoKind::kLambert ||
                       AlbedoKindOf(kind_) == AlbedoKind::kSingleScattering;
  if (!read.Ok() || !(read.value >= 0.0) || (bounded && read.value > 1.0)) {
    MarkInputBox(
        *albedoBox_,
        bounded ? QCoreApplication::translate("PhaseCurveWindow", "Альбедо — число от 0 до 1.")
                : QCoreApplication::translate("PhaseCurveWindow", "Альбедо — число не меньше 0."));
    return;
  }
  MarkInputBox(*albedoBox_, QString());
  albedo_ = read.value;
  ShowIntegral(true);
  if (requested_) observations_->SetLaw(requested_->state, albedo_);
}

void PhaseCurveWindow::SetAlbedo(double albedo) {
  albedoBox_->setText(ShortestText(albedo));  // reads back as the very value
  ReadAlbedo();
}

void PhaseCurveWindow::OnShown() { Compute(); }

void PhaseCurveWindow::OnHidden() { pass_->Cancel(); }
