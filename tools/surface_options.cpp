#include "surface_options.h"

#include <cmath>
#include <optional>

#include "input_error_text.h"
#include "intake/number_text.h"
#include "option_modes.h"
#include "recovery/recover_shape.h"
#include "surface/surface_catalogue.h"

namespace {

SurfaceJob& Surface(RenderJob& job) {
  if (!job.surface) job.surface.emplace();
  return *job.surface;
}

std::string Number(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

OptionValueError ResolveParameters(const SurfaceKind& kind, SurfaceJob& surface) {
  surface.parameters = StartValues(kind);
  for (const std::string& text : surface.parameterTexts) {
    const size_t equals = text.find('=');
    const std::string name = text.substr(0, equals);
    size_t index = 0;
    while (index < kind.parameters.size() && name != kind.parameters[index].name) ++index;
    if (equals == std::string::npos || index == kind.parameters.size()) {
      std::string names;
      for (const SurfaceParameter& p : kind.parameters)
        names += (names.empty() ? "" : ", ") + std::string(p.name);
      return "--surface-param " + QuotedText(text) + ": the surface " + kind.name +
             (names.empty() ? " has no parameters" : " has the parameters " + names);
    }
    const SurfaceParameter& parameter = kind.parameters[index];
    const std::optional<double> value = FiniteNumber(std::string_view(text).substr(equals + 1));
    if (!value || *value < parameter.low || *value > parameter.high) {
      return "--surface-param " + QuotedText(text) + ": " + parameter.name + " is a number from " +
             Number(parameter.low) + " to " + Number(parameter.high);
    }
    surface.parameters[index] = *value;
  }
  return std::nullopt;
}

}  // namespace

OptionValueError ParseSurface(std::string_view text, RenderJob& job) {
  if (text.empty()) return std::string("--surface needs a surface's name or a file");
  Surface(job).name = std::string(text);
  return std::nullopt;
}

OptionValueError ParseSurfaceSize(std::string_view text, RenderJob& job) {
  RenderJob sized;
  if (ParseSize(text, sized) || sized.width > kMaxSurfaceSide || sized.height > kMaxSurfaceSide) {
    return "--surface-size needs WIDTHxHEIGHT, two whole numbers from 1 to " +
           std::to_string(kMaxSurfaceSide) + ", got " + QuotedText(text);
  }
  Surface(job).width = sized.width;
  Surface(job).height = sized.height;
  return std::nullopt;
}

OptionValueError StoreSurfaceParameter(std::string_view text, RenderJob& job) {
  Surface(job).parameterTexts.emplace_back(text);
  return std::nullopt;
}

OptionValueError ParseHeightScale(std::string_view text, RenderJob& job) {
  const std::optional<double> scale = FiniteNumber(text);
  if (!scale || *scale <= 0.0 || *scale > 1e6) {
    return "--height-scale needs a number above 0 and at most 1000000, got " + QuotedText(text);
  }
  Surface(job).heightScale = *scale;
  return std::nullopt;
}

OptionValueError ParseAlbedo(std::string_view text, RenderJob& job) {
  if (text.empty()) return std::string("--albedo needs an image file");
  Surface(job).albedoPath = std::string(text);
  return std::nullopt;
}

OptionValueError ParseSourceNumber(std::string_view text, RenderJob& job) {
  const std::optional<double> number = FiniteNumber(text);
  if (!number || *number != std::floor(*number) || *number < 1.0 ||
      *number > static_cast<double>(kMaxLightSources)) {
    return "--source needs a whole number from 1 to " + std::to_string(kMaxLightSources) +
           ", got " + QuotedText(text);
  }
  Surface(job).source = static_cast<int>(*number);
  return std::nullopt;
}

OptionValueError ResolveSurface(RenderJob& job) {
  if (!job.surface) return std::nullopt;
  SurfaceJob& surface = *job.surface;
  if (surface.name.empty()) {
    return std::string(
        "--surface-size, --surface-param, --height-scale, --albedo, --cast-shadows and --source "
        "paint a surface: give --surface NAME|FILE");
  }
  if (job.gradientSpace || job.through || job.marks || job.litByAll || job.overlay.outline ||
      job.overlay.sourceMark || job.overlay.contourLines) {
    return std::string(
        "--surface paints a surface's image: --gradient-space, --through, --marks, --lit-by-all, "
        "--outline, --source-mark and --contour-lines draw on the sphere or the map");
  }
  if (surface.source > 1 + static_cast<int>(job.extraSources.size())) {
    return "--source " + std::to_string(surface.source) + ": give --light for source " +
           std::to_string(surface.source) + " (the described source is 1)";
  }
  // The image of a surface, and shape from shading, take one source: --light alone changes
  // neither.
  const bool oneImage = job.mode == Mode::kPicture || job.mode == Mode::kSweep ||
                        (job.mode == Mode::kRecovery && job.recover &&
                         !IsStereo(*RecoveryMethodNamed(job.recover->method)));
  if (oneImage && OptionGiven(job, "light") && !OptionGiven(job, "source")) {
    return std::string(job.mode == Mode::kRecovery ? "shape from shading" : "--surface") +
           " takes the image of one source: with --light, choose it with --source K";
  }
  if (const SurfaceKind* kind = FindSurfaceKind(surface.name)) {
    if (surface.width == 0) surface.width = surface.height = kDefaultSurfaceSide;
    job.width = surface.width;
    job.height = surface.height;
    job.sizeGiven = true;
    return ResolveParameters(*kind, surface);
  }
  if (!surface.parameterTexts.empty()) {
    return "--surface-param: " + QuotedText(surface.name) +
           " is not a catalogue surface (see --list-surfaces), and a file has no parameters";
  }
  if (OptionGiven(job, "surface-size")) {
    return "--surface-size: " + QuotedText(surface.name) +
           " is not a catalogue surface (see --list-surfaces), and a file has its own grid";
  }
  return std::nullopt;
}

bool PaintsSurfaceFile(const RenderJob& job) {
  return job.surface && FindSurfaceKind(job.surface->name) == nullptr;
}

std::string SurfaceList() {
  std::string text;
  for (const SurfaceKind& kind : SurfaceCatalogue()) {
    text += kind.name;
    for (const SurfaceParameter& p : kind.parameters) {
      text += std::string(" ") + p.name + "=" + Number(p.start) + " (" + Number(p.low) + " to " +
              Number(p.high) + ")";
    }
    text += "\n";
  }
  return text;
}
