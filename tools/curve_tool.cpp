#include "curve_tool.h"

#include <QBuffer>
#include <QLocale>
#include <QStringList>
#include <optional>
#include <string>
#include <variant>

#include "curves/phase_curve.h"
#include "curves/profile.h"
#include "gradient/gradient_readout.h"
#include "gradient/source_phi.h"
#include "headless_gui.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "model/startup_values.h"
#include "pass/shade_command.h"
#include "picture_file.h"
#include "plots/curve_chart.h"
#include "plots/curve_plots.h"
#include "render_tool.h"
#include "surface_tool.h"

namespace {

constexpr std::string_view kToolName = "gauss-sphere-render: ";

struct CurveData {
  std::string csv;
  CurvePlot plot;
};

std::variant<CurveData, std::string> PhaseCurveData(const RenderJob& job) {
  RenderState state;
  ApplyStartupValues(state);
  ApplyJobSettings(job, state);
  ShadeIntakeOutcome intake = ReadShadeParameters(state, job.inputs, CNumberFormat());
  if (auto* error = std::get_if<InputError>(&intake)) return DescribeInputError(*error);
  const std::optional<PhaseCurve> curve = ComputePhaseCurve(state, job.phaseStep);
  if (!curve)
    return std::string("--phase-curve: the function is dark over the whole disc at g = 0");
  CurvePlot plot = PhaseCurvePlot(*curve, state.reflectanceKind, false);
  plot.title += QStringLiteral(", q = %1").arg(curve->phaseIntegral, 0, 'f', 4);
  plot.locale = QLocale::c();
  return CurveData{PhaseCurveCsv(*curve), plot};
}

// The profile's samples through the readout of the job's picture: a surface, the map or the
// sphere; the message of a line off the picture or a text that did not read.
std::variant<std::vector<ProfileSample>, std::string> ProfileSamples(const RenderJob& job) {
  const ProfileLine& line = *job.profile;
  const auto inside = [&line](int width, int height) -> std::optional<std::string> {
    for (const PixelPosition& end : {line.from, line.to}) {
      if (end.x >= width || end.y >= height) {
        return "--profile: " + std::to_string(end.x) + "," + std::to_string(end.y) +
               " lies outside the " + std::to_string(width) + "x" + std::to_string(height) +
               " picture";
      }
    }
    return std::nullopt;
  };
  if (job.surface) {
    std::variant<PreparedSurface, std::string> ready = PrepareSurface(job);
    if (auto* message = std::get_if<std::string>(&ready)) return std::move(*message);
    const PreparedSurface& s = std::get<PreparedSurface>(ready);
    if (auto off = inside(s.scene.field.width, s.scene.field.height)) return *off;
    std::vector<ProfileSample> samples = ReadProfile(
        line.from.x, line.from.y, line.to.x, line.to.y,
        [&s](int x, int y) -> std::optional<Readout> {
          const auto cell = ReadSurfaceCell(s.state, s.scene, s.sources, s.shadows, x, y);
          if (!cell) return std::nullopt;
          return cell->sources.front();
        },
        [&s](int x, int y) {
          std::vector<float> others;
          const auto cell = ReadSurfaceCell(s.state, s.scene, s.sources, s.shadows, x, y);
          for (size_t k = 1; cell && k < cell->sources.size(); ++k) {
            others.push_back(cell->sources[k].reading.functionPhi);
          }
          return others;
        });
    return samples;
  }
  std::variant<PassResult, InputError> pass = RunJobPass(job);
  if (auto* error = std::get_if<InputError>(&pass)) return DescribeInputError(*error);
  const PassResult& result = std::get<PassResult>(pass);
  const int width = result.picture.Width();
  const int height = result.picture.Height();
  if (auto off = inside(width, height)) return *off;
  if (!job.gradientSpace) {
    return ReadProfile(line.from.x, line.from.y, line.to.x, line.to.y, [&](int x, int y) {
      return ReadoutAtPixel(result.state, width, height, x, y);
    });
  }
  const GradientView view = ScaledGradientView(job.scale);
  return ReadProfile(
      line.from.x, line.from.y, line.to.x, line.to.y,
      [&](int x, int y) { return GradientReadoutAtPixel(result.state, width, height, x, y, view); },
      [&](int x, int y) {
        return SourcePhisAtPixel(result.state, job.extraSources, view, width, height, x, y);
      });
}

std::variant<CurveData, std::string> ProfileData(const RenderJob& job) {
  std::variant<std::vector<ProfileSample>, std::string> read = ProfileSamples(job);
  if (auto* message = std::get_if<std::string>(&read)) return std::move(*message);
  const std::vector<ProfileSample>& samples = std::get<std::vector<ProfileSample>>(read);
  CurvePlot plot = ProfilePlot(samples);
  plot.locale = QLocale::c();
  return CurveData{ProfileCsv(samples), plot};
}

}  // namespace

int RunCurveTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  std::variant<CurveData, std::string> data =
      job.phaseCurve ? PhaseCurveData(job) : ProfileData(job);
  if (auto* message = std::get_if<std::string>(&data)) {
    err << kToolName << *message << "\n";
    return kExitFailure;
  }
  const CurveData& curve = std::get<CurveData>(data);
  std::string bytes = curve.csv;
  if (job.curveFormat != CurveFormat::kCsv) {
    EnsureHeadlessGui();
    QByteArray encoded;
    if (job.curveFormat == CurveFormat::kSvg) {
      encoded = CurvePlotSvg(curve.plot).value_or(QByteArray());
    } else {
      QBuffer buffer(&encoded);
      if (buffer.open(QIODevice::WriteOnly)) CurvePlotImage(curve.plot).save(&buffer, "PNG");
    }
    if (encoded.isEmpty()) {
      err << kToolName << "cannot draw the plot for " << job.outputPath << "\n";
      return kExitFailure;
    }
    bytes = encoded.toStdString();
  }
  out.flush();
  if (auto error = WriteOutputFile(job.outputPath, bytes)) {
    err << kToolName << *error << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
