#include "observed_curve_tool.h"

#include <QLocale>
#include <QString>
#include <variant>
#include <vector>

#include "curves/csv_row.h"
#include "curves/disc_photometry.h"
#include "curves/phase_fit.h"
#include "figure/png_bytes.h"
#include "headless_gui.h"
#include "input_error_text.h"
#include "message_language.h"
#include "model/startup_values.h"
#include "pass/readout.h"
#include "pass/shade_command.h"
#include "photoset/observation_file.h"
#include "picture_file.h"
#include "plots/observed_plots.h"
#include "render_tool.h"

namespace {

constexpr int kDigits = 6;

// The plot or the CSV, in -o's format.
std::optional<std::string> Encoded(const RenderJob& job, const CurvePlot& plot,
                                   const std::string& csv) {
  if (job.curveFormat == CurveFormat::kCsv) return csv;
  CurvePlot shaped = plot;
  shaped.lineWidth = job.overlay.lineWidth;
  shaped.locale = QLocale::c();
  const QSize size = job.sizeGiven ? QSize(job.width, job.height) : kPlotFileSize * job.scale;
  const std::optional<QByteArray> bytes = job.curveFormat == CurveFormat::kSvg
                                              ? CurvePlotSvg(shaped, size, job.scale)
                                              : PngBytes(CurvePlotImage(shaped, size, job.scale));
  if (!bytes || bytes->isEmpty()) return std::nullopt;
  return bytes->toStdString();
}

// Each point with the model at its g (fitted, or the law as given) and the residual.
std::string ResidualCsv(const ObservationSet& points, const std::vector<double>& model) {
  std::string csv = CsvRow({"g", "observed", "sigma", "model", "residual"});
  for (size_t k = 0; k < points.points.size() && k < model.size(); ++k) {
    const Observation& point = points.points[k];
    csv +=
        CsvRow({ReadoutNumber(point.degrees, 3), ReadoutNumber(point.value, kDigits),
                points.weighted ? ReadoutNumber(point.sigma, kDigits) : std::string(),
                ReadoutNumber(model[k], kDigits), ReadoutNumber(point.value - model[k], kDigits)});
  }
  return csv;
}

// What a run without --fit draws: the law on its scale, and for magnitudes H at the brightest
// point, so that the curve passes near the points.
std::variant<PhaseModel, Message> ShownModel(const RenderState& state, double albedo,
                                             const ObservationSet& points) {
  const bool magnitudes = points.quantity == ObservedQuantity::kMagnitude;
  return PhaseModel::Make(state, albedo, points.quantity,
                          magnitudes ? std::vector<std::string>{"H"} : std::vector<std::string>{},
                          points);
}

}  // namespace

std::optional<std::string> AlbedoLine(const RenderState& state, double albedo) {
  const std::optional<DiscPhotometry> photometry = ComputeDiscPhotometry(state, albedo);
  if (!photometry) return std::nullopt;
  return "geometric_albedo=" + ReadoutNumber(photometry->geometricAlbedo, kDigits) +
         " phase_integral=" + ReadoutNumber(photometry->phaseIntegral, kDigits) +
         " spherical_albedo=" + ReadoutNumber(photometry->sphericalAlbedo, kDigits);
}

int RunObservedCurve(const RenderJob& job, std::ostream& out, std::ostream& err) {
  if (job.curveFormat != CurveFormat::kCsv) EnsureHeadlessGui();
  RenderState state;
  ApplyStartupValues(state);
  ApplyJobSettings(job, state);
  ShadeIntakeOutcome intake = ReadShadeParameters(state, job.inputs, CNumberFormat());
  if (auto* error = std::get_if<InputError>(&intake)) {
    err << kToolName << DescribeInputError(*error) << "\n";
    return kExitFailure;
  }
  const ObservationReading read = ReadObservationFile(QString::fromStdString(job.observationsPath));
  if (const auto* messages = std::get_if<std::vector<Message>>(&read)) {
    for (const Message& message : *messages) err << kToolName << RendererText(message) << "\n";
    return kExitFailure;
  }
  const ObservationSet& points = std::get<ObservationSet>(read);
  const double albedo = job.lawAlbedo.value_or(kStartAlbedo);
  const bool fitting = !job.fitNames.empty();
  std::variant<PhaseModel, Message> made =
      fitting ? PhaseModel::Make(state, albedo, points.quantity, job.fitNames, points)
              : ShownModel(state, albedo, points);
  if (const auto* message = std::get_if<Message>(&made)) {
    err << kToolName << (fitting ? "--fit: " : "--observations: ") << RendererText(*message)
        << "\n";
    return kExitFailure;
  }
  const PhaseModel& model = std::get<PhaseModel>(made);
  std::vector<double> x;
  for (const FitParameter& p : model.Parameters()) x.push_back(p.start);
  std::optional<PhaseFit> fit;
  if (fitting) {
    std::variant<PhaseFit, Message> fitted = FitPhaseModel(model, points);
    if (const auto* message = std::get_if<Message>(&fitted)) {
      err << kToolName << "--fit: " << RendererText(*message) << "\n";
      return kExitFailure;
    }
    fit = std::get<PhaseFit>(std::move(fitted));
    x = FittedParameters(*fit);
    for (const FittedValue& value : fit->values) {
      out << value.name << "=" << ReadoutNumber(value.value, kDigits) << " +- "
          << ReadoutNumber(value.uncertainty, kDigits) << (value.atBound ? " at_bound" : "")
          << "\n";
    }
    out << "chi_square=" << ReadoutNumber(fit->chiSquare, kDigits)
        << " degrees_of_freedom=" << fit->degreesOfFreedom << " points=" << points.points.size()
        << "\n";
  }
  std::vector<double> degrees;
  for (const Observation& point : points.points) degrees.push_back(point.degrees);
  const std::string csv = ResidualCsv(points, fit ? fit->predicted : model.Predict(x, degrees));
  if (model.System() == PhaseSystem::kLaw && points.quantity == ObservedQuantity::kBrightness) {
    if (auto line = AlbedoLine(model.StateAt(x), model.AlbedoAt(x))) out << *line << "\n";
  }
  const CurvePlot plot = ObservedPhasePlot(points, ModelCurveOf(model, x),
                                           ModelName(model, state.reflectanceKind), fitting);
  const std::optional<std::string> bytes = Encoded(job, plot, csv);
  if (!bytes) {
    err << kToolName << "cannot draw the plot for " << job.outputPath << "\n";
    return kExitFailure;
  }
  out.flush();
  if (auto error = WriteOutputFile(job.outputPath, *bytes)) {
    err << kToolName << *error << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
