#include "render_tool.h"

#include <QLocale>
#include <algorithm>
#include <exception>
#include <new>
#include <optional>
#include <utility>

#include "compare_tool.h"
#include "curve_options.h"
#include "curve_tool.h"
#include "figure/legend_beside.h"
#include "gradient/gradient_map.h"
#include "gradient/gradient_readout.h"
#include "gradient/source_phi.h"
#include "headless_gui.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "job_overlay.h"
#include "message_language.h"
#include "mode_table.h"
#include "model/backgrounds.h"
#include "model/startup_values.h"
#include "pass/exposure.h"
#include "pass/readout.h"
#include "pass/shade_command.h"
#include "pass/worker_pool.h"
#include "photometry/pass_constants.h"
#include "picture_file.h"
#include "recover_tool.h"
#include "setup_options.h"
#include "surface_options.h"
#include "surface_tool.h"
#include "sweep_tool.h"

// What the window's handlers would have stored after start-up and the user's clicks.
void ApplyJobSettings(const RenderJob& job, RenderState& state) {
  state.reflectanceKind = job.reflectanceKind;
  state.law = job.law;
  if (job.isoLevel) state.isoLevel = *job.isoLevel;
  if (job.isoHalfWidth) state.isoHalfWidth = *job.isoHalfWidth;
  state.showIsolines = static_cast<int16_t>(job.colourIsolines ? 1 : 0);
  state.halfSphere = static_cast<int16_t>(job.halfSphere ? 1 : 0);
  state.pixelScale = ScaledPixelScale(job.scale);
  state.exposure = job.exposure;
  state.bandsAsLines = static_cast<int16_t>(job.overlay.contourLines ? 1 : 0);
  SetBackground(state, job.background);
  if (job.plain) SetPlainGrey(state);
}

std::variant<PassResult, InputError> RunJobPass(const RenderJob& job) {
  // Left unpainted: the pass clears it in the background colour, the one clear a big picture
  // gets. An input error paints nothing, and then the picture is not used.
  PassResult result{RenderState{}, ImageBuffer(job.width, job.height, ImageBuffer::Unpainted{})};
  RenderState& state = result.state;
  ApplyStartupValues(state);
  ApplyJobSettings(job, state);
  if (job.gradientSpace) {
    // The intake of a shade press, so that a bad number is reported as the window reports it.
    ShadeIntakeOutcome intake = ReadShadeParameters(state, job.inputs, CNumberFormat());
    if (auto* error = std::get_if<InputError>(&intake)) return std::move(*error);
    if (job.autoExposure) {
      state.exposure = AutoExposure(job.width, job.height, [&](int x, int y) {
        return GradientReadoutAtPixel(state, job.width, job.height, x, y, job.scale);
      });
    }
    RunGradientMapPass(state, result.picture, job.smooth, job.scale);
    return result;
  }
  ShadeOutcome outcome =
      RunShadeCommand(state, result.picture, job.inputs, CNumberFormat(), job.smooth);
  if (const auto* error = std::get_if<InputError>(&outcome)) return *error;
  if (job.autoExposure) {
    // The brightest phi is known once the texts are read: the press is repeated at its exposure.
    state.exposure = SphereAutoExposure(state, job.width, job.height);
    outcome = RunShadeCommand(state, result.picture, job.inputs, CNumberFormat(), job.smooth);
  }
  return result;
}

RenderOutcome RenderPicture(const RenderJob& job) {
  std::variant<PassResult, InputError> pass = RunJobPass(job);
  if (auto* error = std::get_if<InputError>(&pass)) return std::move(*error);
  PassResult& result = std::get<PassResult>(pass);
  DrawJobOverlayOver(job, result.state, result.picture);
  return std::move(result.picture);
}

namespace {

// The picture with the legend of the state it was painted in beside it (--legend), its numbers
// in the C format the options are read in.
ImageBuffer PictureWithLegend(const RenderJob& job, PassResult& pass) {
  EnsureHeadlessGui();
  const QImage widened = WithLegendBeside(PassImage(job, pass.picture),
                                          FigureLegendOf(pass.state, QLocale::c()), QLocale::c());
  ImageBuffer picture(widened.width(), widened.height(), ImageBuffer::Unpainted{});
  const PixelRows rows = picture.Rows();
  for (int y = 0; y < rows.height; ++y) {
    // Format_RGB32's words are the buffer's, 0xffRRGGBB.
    const auto* line = reinterpret_cast<const uint32_t*>(widened.constScanLine(y));
    std::copy_n(line, rows.width, rows.first + y * rows.stride);
  }
  return picture;
}

}  // namespace

std::optional<std::string> WriteJobPicture(const RenderJob& job, PassResult& pass) {
  if (!IsVectorFormat(job.format)) {
    DrawJobOverlayOver(job, pass.state, pass.picture);
    if (job.legend) return WritePicture(PictureWithLegend(job, pass), job.outputPath, job.format);
    return WritePicture(pass.picture, job.outputPath, job.format);
  }
  EnsureHeadlessGui();  // Qt's SVG and PDF writers need it, and the overlay's text
  const QImage raster = PassImage(job, pass.picture);
  const OverlayPainter overlay = [&job, &pass, size = raster.size()](QPainter& painter) {
    PaintJobOverlay(job, pass.state, painter, size);
  };
  if (job.legend) {
    const LegendFigure figure =
        LegendFigureBeside(raster, overlay, FigureLegendOf(pass.state, QLocale::c()), QLocale::c());
    return WriteVectorPicture(figure.raster, figure.overlay, job.outputPath, job.format);
  }
  return WriteVectorPicture(raster, overlay, job.outputPath, job.format);
}

std::string ReadoutLineOf(const RenderJob& job, const PassResult& pass) {
  const PixelPosition at = job.readout.value_or(PixelPosition{});
  const int width = pass.picture.Width();
  const int height = pass.picture.Height();
  if (!job.gradientSpace) {
    return FormatReadoutLine(ReadoutAtPixel(pass.state, width, height, at.x, at.y));
  }
  const GradientView view = ScaledGradientView(job.scale);
  return FormatReadoutLine(GradientReadoutAtPixel(pass.state, width, height, at.x, at.y, view)) +
         FormatSourcePhis(
             SourcePhisAtPixel(pass.state, job.extraSources, view, width, height, at.x, at.y));
}

std::variant<std::string, InputError> RenderReadoutLine(const RenderJob& job) {
  std::variant<PassResult, InputError> pass = RunJobPass(job);
  if (auto* error = std::get_if<InputError>(&pass)) return std::move(*error);
  return ReadoutLineOf(job, std::get<PassResult>(pass));
}

std::string IgnoredOptionsWarning(const RenderJob& job) {
  if (job.ignoredOptions.empty()) return {};
  std::string names;
  for (const std::string& name : job.ignoredOptions) {
    names += (names.empty() ? "" : ", ") + name;
  }
  if (job.scene == Scene::kSurface) {
    return std::string(kToolName) + "--surface ignores " + names +
           ": a surface image is seen from +z";
  }
  return std::string(kToolName) + "--gradient-space ignores " + names +
         ": gradient space is seen from +z";
}

int RunReadoutMode(const RenderJob& job, std::ostream& out, std::ostream& err) {
  // A given -o is checked as a failed write would be, and not written.
  const auto checkOutput = [&job, &err] {
    const auto error = job.outputPath.empty() ? std::nullopt : CheckOutputFile(job.outputPath);
    if (error) err << kToolName << *error << "\n";
    return !error;
  };
  if (job.scene == Scene::kSurface) {
    return checkOutput() ? RunSurfaceTool(job, out, err) : kExitFailure;
  }
  const auto line = RenderReadoutLine(job);
  if (const auto* error = std::get_if<InputError>(&line)) {
    err << kToolName << DescribeInputError(*error) << "\n";
    return kExitFailure;
  }
  if (!checkOutput()) return kExitFailure;
  out << std::get<std::string>(line) << "\n";
  return kExitSuccess;
}

int RunPictureMode(const RenderJob& job, std::ostream& out, std::ostream& err) {
  if (job.scene == Scene::kSurface) return RunSurfaceTool(job, out, err);
  std::variant<PassResult, InputError> pass = RunJobPass(job);
  if (const auto* error = std::get_if<InputError>(&pass)) {
    err << kToolName << DescribeInputError(*error) << "\n";
    return kExitFailure;
  }
  out.flush();  // "-o -" writes the picture to descriptor 1 itself, after anything `out` holds
  if (auto error = WriteJobPicture(job, std::get<PassResult>(pass))) {
    err << kToolName << *error << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

std::string IgnoredGlossWarning(const RenderJob& job) {
  const std::vector<std::string>& given = job.ignoredGlossOptions;
  if (given.empty()) return {};
  const std::string names = given.size() == 1 ? given.front() + " is" : "--s and --n are";
  return std::string(kToolName) + names + " ignored: only --function glossy uses s and n";
}

int RunRenderTool(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  UseMessageLanguage(MessageLanguageOf(args));
  const ParsedCommandLine parsed = ParseRenderOptions(args);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    out << RenderUsage(std::get<HelpRequest>(parsed).language);
    return kExitSuccess;
  }
  if (std::holds_alternative<VersionRequest>(parsed)) {
    out << RenderVersion() << "\n";
    return kExitSuccess;
  }
  if (const auto* error = std::get_if<OptionError>(&parsed)) {
    err << kToolName << error->message << "\nTry 'gauss-sphere-render --help'.\n";
    return kExitFailure;
  }
  const RenderJob& job = std::get<RenderJob>(parsed);
  if (!job.setupWarning.empty()) err << job.setupWarning << "\n";
  if (!job.writeSetupPath.empty()) {
    if (OptionValueError error = WriteJobSetup(job)) {
      err << kToolName << *error << "\n";
      return kExitFailure;
    }
  }
  if (job.mode == Mode::kSetupOnly) return ModeRowOf(job.mode).run(job, out, err);
  if (job.threads > 0) SetPassThreadCount(job.threads);
  for (const std::string& warning : {IgnoredOptionsWarning(job), IgnoredGlossWarning(job)}) {
    if (!warning.empty()) err << warning << "\n";
  }
  try {
    return ModeRowOf(job.mode).run(job, out, err);
  } catch (const std::bad_alloc&) {
    if (job.recover) {
      err << kToolName << "not enough memory for the recovery (--recover " << job.recover->method
          << ")\n";
    } else {
      err << kToolName << "not enough memory for a " << job.width << "x" << job.height
          << " picture\n";
    }
    return kExitFailure;
  } catch (const std::exception& e) {
    err << kToolName << e.what() << "\n";
    return kExitFailure;
  }
}
