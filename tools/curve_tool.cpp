#include "curve_tool.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <variant>

#include "compare_tool.h"
#include "curves/csv_row.h"
#include "curves/disc_photometry.h"
#include "curves/phase_curve.h"
#include "curves/photometric_equator.h"
#include "curves/profile.h"
#include "figure/png_bytes.h"
#include "gradient/gradient_readout.h"
#include "gradient/source_phi.h"
#include "headless_gui.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "model/startup_values.h"
#include "observed_curve_tool.h"
#include "option_values.h"
#include "pass/shade_command.h"
#include "picture_file.h"
#include "plots/curve_chart.h"
#include "plots/curve_plots.h"
#include "render_tool.h"
#include "surface_tool.h"

namespace {

struct CurveData {
  std::string csv;
  CurvePlot plot;
  std::string albedos;  // the law's p, q and A, printed on standard output; empty for none
};

std::variant<CurveData, std::string> PhaseCurveData(const RenderJob& job) {
  RenderState state;
  ApplyStartupValues(state);
  ApplyJobSettings(job, state);
  ShadeIntakeOutcome intake = ReadShadeParameters(state, job.inputs, CNumberFormat());
  if (auto* error = std::get_if<InputError>(&intake)) return DescribeInputError(*error);
  const std::optional<PhaseCurve> curve =
      ComputePhaseCurve(state, job.phaseStep, kPhaseGridSide, job.phaseMax);
  if (!curve)
    return std::string("--phase-curve: the function is dark over the whole disc at g = 0");
  CurvePlot plot = PhaseCurvePlot(*curve, state.reflectanceKind, false);
  if (std::isfinite(curve->phaseIntegral)) {
    plot.title += QStringLiteral(", q = %1").arg(curve->phaseIntegral, 0, 'f', 4);
  }
  plot.locale = QLocale::c();
  std::string albedos;
  if (job.mode == Mode::kPhaseCurve && job.albedos) {
    albedos = AlbedoLine(state, job.lawAlbedo.value_or(kStartAlbedo)).value_or(std::string());
  }
  return CurveData{PhaseCurveCsv(*curve), plot, albedos};
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
  if (line.equator) return PhotometricEquatorProfile(result.state, width, height);
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
  const bool equator = job.profile->equator;
  CurvePlot plot = equator ? EquatorProfilePlot(samples) : ProfilePlot(samples);
  plot.locale = QLocale::c();
  return CurveData{equator ? EquatorProfileCsv(samples) : ProfileCsv(samples), plot, std::string()};
}

// The curve of each --compare entry in one plot and one table: the entries' own curves in turn
// (the phase curve's references once, after them), and their values side by side after the key
// columns (g; or x and y; or e, x and y). Each entry's own CSV is numbers under a fixed header,
// so it splits at its commas; the joined rows head each entry's column with the entry as typed.
std::variant<CurveData, std::string> ComparedCurves(const RenderJob& job) {
  CurveData merged;
  std::vector<CurveSeries> references;
  std::vector<std::vector<std::string>> table;
  const size_t keys = job.phaseCurve ? 1 : job.profile->equator ? 3 : 2;  // g; e, x, y; x, y
  for (size_t k = 0; k < job.compare.size(); ++k) {
    std::variant<RenderJob, std::string> one = ComparedJob(job, job.compare[k]);
    if (auto* message = std::get_if<std::string>(&one)) return std::move(*message);
    const RenderJob& sub = std::get<RenderJob>(one);
    std::variant<CurveData, std::string> data =
        job.phaseCurve ? PhaseCurveData(sub) : ProfileData(sub);
    if (auto* message = std::get_if<std::string>(&data)) return std::move(*message);
    CurveData& curve = std::get<CurveData>(data);
    if (k == 0) {
      merged.plot = curve.plot;
      merged.plot.series.clear();
      if (job.phaseCurve) references.assign(curve.plot.series.begin() + 1, curve.plot.series.end());
    }
    CurveSeries series = curve.plot.series.front();
    series.name = ComparedCaption(sub, job.compare[k]);
    series.colour = ComparedColour(k);
    merged.plot.series.push_back(series);
    std::istringstream lines(curve.csv);
    size_t row = 0;
    for (std::string line; std::getline(lines, line); ++row) {
      std::vector<std::string> cells = SplitAt(line, ',');
      if (table.size() <= row)
        table.emplace_back(cells.begin(), cells.begin() + std::min(keys, cells.size()));
      // The header names each entry as typed: a key a script can use whatever the language.
      table[row].push_back(row == 0 ? job.compare[k] : (cells.size() > keys ? cells[keys] : ""));
    }
  }
  merged.plot.title = ComparedCurvesTitle(job.phaseCurve);
  merged.plot.series.insert(merged.plot.series.end(), references.begin(), references.end());
  for (const std::vector<std::string>& row : table) merged.csv += CsvRow(row);
  return merged;
}

// The plot's pixels: --size for the phase curve; a profile's --size is the size of the picture
// it is read from, so its plot, like the phase curve's by default, is the file size times --scale.
QSize PlotSize(const RenderJob& job) {
  if (job.phaseCurve && job.sizeGiven) return QSize(job.width, job.height);
  return kPlotFileSize * job.scale;
}

}  // namespace

int RunCurveTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  if (job.mode == Mode::kPhaseCurve && !job.observationsPath.empty()) {
    return RunObservedCurve(job, out, err);
  }
  const bool compared =
      job.mode == Mode::kComparedPhaseCurves || job.mode == Mode::kComparedProfiles;
  // A plot's texts in the chosen language need the application's translator.
  if (job.curveFormat != CurveFormat::kCsv) EnsureHeadlessGui();
  std::variant<CurveData, std::string> data = compared                        ? ComparedCurves(job)
                                              : job.mode == Mode::kPhaseCurve ? PhaseCurveData(job)
                                                                              : ProfileData(job);
  if (auto* message = std::get_if<std::string>(&data)) {
    err << kToolName << *message << "\n";
    return kExitFailure;
  }
  const CurveData& curve = std::get<CurveData>(data);
  if (!curve.albedos.empty()) out << curve.albedos << "\n";
  std::string bytes = curve.csv;
  if (job.curveFormat != CurveFormat::kCsv) {
    CurvePlot plot = curve.plot;
    plot.lineWidth = job.overlay.lineWidth;
    const QSize size = PlotSize(job);
    QByteArray encoded;
    if (job.curveFormat == CurveFormat::kSvg) {
      encoded = CurvePlotSvg(plot, size, job.scale).value_or(QByteArray());
    } else {
      encoded = PngBytes(CurvePlotImage(plot, size, job.scale)).value_or(QByteArray());
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
