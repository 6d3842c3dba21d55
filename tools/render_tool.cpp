#include "render_tool.h"

#include <exception>
#include <new>

#include "input_error_text.h"
#include "model/startup_values.h"
#include "picture_file.h"
#include "shading/number_text.h"
#include "shading/shade_command.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};

constexpr std::string_view kToolName = "gauss-sphere-render: ";

// What the window's handlers would have stored after start-up and the user's clicks.
void ApplyJobSettings(const RenderJob& job, RenderState& state) {
  state.reflectanceKind = job.reflectanceKind;
  if (job.isoLevel) state.isoLevel = *job.isoLevel;
  if (job.isoHalfWidth) state.isoHalfWidth = *job.isoHalfWidth;
  state.showIsolines = static_cast<int16_t>(job.colourIsolines ? 1 : 0);
  state.halfSphere = static_cast<int16_t>(job.halfSphere ? 1 : 0);
}

}  // namespace

RenderOutcome RenderPicture(const RenderJob& job) {
  RenderState state;
  ApplyStartupValues(state);
  ApplyJobSettings(job, state);

  ImageBuffer picture(job.width, job.height);
  picture.Clear(kWhite);
  const ShadeOutcome outcome = RunShadeCommand(state, picture, job.inputs, CNumberFormat(),
                                               job.smooth);
  if (const auto* error = std::get_if<InputError>(&outcome)) return *error;
  return picture;
}

int RunRenderTool(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseRenderOptions(args);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    out << RenderUsage();
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
  try {
    const RenderOutcome outcome = RenderPicture(job);
    if (const auto* error = std::get_if<InputError>(&outcome)) {
      err << kToolName << DescribeInputError(*error) << "\n";
      return kExitFailure;
    }
    if (auto error = WritePicture(std::get<ImageBuffer>(outcome), job.outputPath, job.format)) {
      err << kToolName << *error << "\n";
      return kExitFailure;
    }
  } catch (const std::bad_alloc&) {
    err << kToolName << "not enough memory for a " << job.width << "x" << job.height
        << " picture\n";
    return kExitFailure;
  } catch (const std::exception& e) {
    err << kToolName << e.what() << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
