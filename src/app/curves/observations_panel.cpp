#include "app/curves/observations_panel.h"

#include <QChartView>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "app/common/locale_numbers.h"
#include "app/curves/plot_view.h"
#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "messages/translated_message.h"
#include "photoset/observation_file.h"
#include "plots/observed_plots.h"

namespace {

constexpr const char* kContext = "ObservationsPanel";
constexpr int kPointsHeight = 240;
constexpr int kResidualHeight = 240;

QString Text(const char* source) { return QCoreApplication::translate(kContext, source); }

std::vector<std::string> TypedNames(const QString& text) {
  std::vector<std::string> names;
  for (const QString& name : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    if (!name.trimmed().isEmpty()) names.push_back(name.trimmed().toStdString());
  }
  return names;
}

}  // namespace

ObservationsPanel::ObservationsPanel(JobRunner& jobs, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ObservationsPanel"));
  open_ = new QPushButton(this);
  open_->setObjectName(QStringLiteral("OpenObservations"));
  file_ = new QLabel(this);
  file_->setObjectName(QStringLiteral("ObservationsFile"));
  names_ = new QLineEdit(this);
  names_->setObjectName(QStringLiteral("FitNames"));
  names_->setText(QStringLiteral("H,G"));
  fitButton_ = new QPushButton(this);
  fitButton_->setObjectName(QStringLiteral("FitObservations"));
  fitButton_->setEnabled(false);
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("FitResult"));
  result_->setWordWrap(true);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  pointsView_ = new PlotView(this);
  pointsView_->setObjectName(QStringLiteral("ObservedPlot"));
  residualView_ = new PlotView(this);
  residualView_->setObjectName(QStringLiteral("ResidualPlot"));
  // Two plots in the room of the curve's one; both wait for points.
  pointsView_->ChartView().setMinimumHeight(kPointsHeight);
  residualView_->ChartView().setMinimumHeight(kResidualHeight);
  pointsView_->hide();
  residualView_->hide();
  fitPass_ = new BackgroundPass(jobs, *pointsView_, this);
  fitPass_->setObjectName(QStringLiteral("FitPass"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(open_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("ObservationsPanel", "Открыть наблюдения…"));
  texts.Keep(fitButton_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("ObservationsPanel", "Подобрать"));
  texts.Keep(names_, &QLineEdit::setToolTip, kContext,
             QT_TRANSLATE_NOOP("ObservationsPanel",
                               "Что подобрать, через запятую: параметры закона (как в «Параметрах "
                               "функции») с albedo для яркостей или H для звёздных величин; "
                               "или H,G; или H,G1,G2"));
  auto* row = new QHBoxLayout;
  row->addWidget(open_);
  row->addWidget(file_, 1);
  row->addWidget(names_);
  row->addWidget(fitButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(result_);
  layout->addWidget(pointsView_, 3);
  layout->addWidget(residualView_, 2);
  connect(open_, &QPushButton::clicked, this, &ObservationsPanel::AskFile);
  connect(fitButton_, &QPushButton::clicked, this, &ObservationsPanel::Fit);
  connect(names_, &QLineEdit::returnPressed, this, &ObservationsPanel::Fit);
  texts.Keep([this] {
    ShowModel();
    ShowFitText();
  });
}

void ObservationsPanel::SetLaw(const RenderState& state, double albedo) {
  fitPass_->Cancel();
  state_ = state;
  albedo_ = albedo;
  fitted_.reset();
  ShowModel();
  ShowFitText();
}

bool ObservationsPanel::OpenFile(const QString& path) {
  const ObservationReading read = ReadObservationFile(path);
  if (const auto* messages = std::get_if<std::vector<Message>>(&read)) {
    QStringList lines;
    for (const Message& message : *messages) lines << TranslatedMessage(message);
    QMessageBox::warning(this, window()->windowTitle(), lines.join(QLatin1Char('\n')));
    return false;
  }
  ShowPoints(std::get<ObservationSet>(read), path);
  return true;
}

void ObservationsPanel::ShowPoints(const ObservationSet& points, const QString& path) {
  fitPass_->Cancel();
  points_ = points;
  fileName_ = QFileInfo(path).fileName();
  filePath_ = QFileInfo(path).absoluteFilePath();
  pointsView_->show();
  residualView_->show();
  fitted_.reset();
  fitButton_->setEnabled(true);
  ShowModel();
  ShowFitText();
  emit Opened();
}

bool ObservationsPanel::Fit() {
  if (!points_ || !state_) return false;
  const std::vector<std::string> names = TypedNames(names_->text());
  std::variant<PhaseModel, Message> made =
      PhaseModel::Make(*state_, albedo_, points_->quantity, names, *points_);
  if (const auto* message = std::get_if<Message>(&made)) {
    QMessageBox::warning(this, window()->windowTitle(), TranslatedMessage(*message));
    return false;
  }
  auto result = std::make_shared<std::variant<PhaseFit, Message>>(Message{});
  fitPass_->Start([result, model = std::get<PhaseModel>(std::move(made)),
                   points = *points_] { *result = FitPhaseModel(model, points); },
                  [this, result, names] {
                    if (const auto* message = std::get_if<Message>(result.get())) {
                      QMessageBox::warning(this, window()->windowTitle(),
                                           TranslatedMessage(*message));
                      return;
                    }
                    fitted_ = std::get<PhaseFit>(std::move(*result));
                    fitNames_ = names;
                    ShowModel();
                    ShowFitText();
                  });
  return true;
}

void ObservationsPanel::AskFile() {
  const QString path = QFileDialog::getOpenFileName(
      this, Text(QT_TRANSLATE_NOOP("ObservationsPanel", "Наблюдения фазовой кривой")), QString(),
      Text(QT_TRANSLATE_NOOP("ObservationsPanel", "Таблицы CSV (*.csv *.txt);;Все файлы (*)")));
  if (!path.isEmpty()) OpenFile(path);
}

// The points with the fitted model, or with the law as given; the residuals against either.
void ObservationsPanel::ShowModel() {
  if (!points_ || !state_) {
    pointsView_->SetPlot(CurvePlot{}, std::string());
    residualView_->SetPlot(CurvePlot{}, std::string());
    return;
  }
  const bool magnitudes = points_->quantity == ObservedQuantity::kMagnitude;
  const std::vector<std::string> names =
      fitted_ ? fitNames_
              : (magnitudes ? std::vector<std::string>{"H"} : std::vector<std::string>{});
  std::variant<PhaseModel, Message> made =
      PhaseModel::Make(*state_, albedo_, points_->quantity, names, *points_);
  const auto* model = std::get_if<PhaseModel>(&made);
  if (model == nullptr) {  // the mirror: the points alone
    pointsView_->SetPlot(ObservedPhasePlot(*points_, ModelCurve{}, QString(), false), {});
    residualView_->SetPlot(CurvePlot{}, std::string());
    return;
  }
  std::vector<double> x;
  for (const FitParameter& p : model->Parameters()) x.push_back(p.start);
  if (fitted_) x = FittedParameters(*fitted_);
  std::vector<double> degrees;
  for (const Observation& point : points_->points) degrees.push_back(point.degrees);
  const std::vector<double> predicted = model->Predict(x, degrees);
  std::vector<double> residuals;
  std::string csv = "g,observed,model,residual\n";
  for (size_t k = 0; k < degrees.size(); ++k) {
    residuals.push_back(points_->points[k].value - predicted[k]);
    csv += (QString::number(degrees[k], 'g', 8) + u',' +
            QString::number(points_->points[k].value, 'g', 10) + u',' +
            QString::number(predicted[k], 'g', 10) + u',' + QString::number(residuals[k], 'g', 10))
               .toStdString() +
           "\n";
  }
  CurvePlot plot =
      ObservedPhasePlot(*points_, ModelCurveOf(*model, x),
                        ModelName(*model, state_->reflectanceKind), fitted_.has_value());
  plot.locale = UserLocale();
  pointsView_->SetPlot(plot, csv);
  CurvePlot residualPlot = ResidualPlot(*points_, residuals);
  residualPlot.locale = UserLocale();
  residualView_->SetPlot(residualPlot, csv);
}

void ObservationsPanel::ShowFitText() {
  file_->setText(points_ ? Text(QT_TRANSLATE_NOOP("ObservationsPanel", "%1: точек %2"))
                               .arg(fileName_)
                               .arg(points_->points.size())
                         : QString());
  if (!fitted_) {
    result_->clear();
    return;
  }
  const QLocale locale = UserLocale();
  QStringList values;
  for (const FittedValue& value : fitted_->values) {
    QString line =
        QStringLiteral("%1 = %2 ± %3")
            .arg(QString::fromStdString(value.name), locale.toString(value.value, 'f', 4),
                 std::isfinite(value.uncertainty) ? locale.toString(value.uncertainty, 'f', 4)
                                                  : QStringLiteral("?"));
    if (value.atBound) line += Text(QT_TRANSLATE_NOOP("ObservationsPanel", " (на границе)"));
    values << line;
  }
  result_->setText(
      Text(QT_TRANSLATE_NOOP("ObservationsPanel",
                             "%1; χ² = %2 при %3 степенях "
                             "свободы"))
          .arg(values.join(QStringLiteral("; ")), locale.toString(fitted_->chiSquare, 'f', 3))
          .arg(fitted_->degreesOfFreedom));
}
