#include "curve_options.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>

#include "curves/disc_photometry.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "option_modes.h"

namespace {

std::optional<PixelPosition> ReadPixel(std::string_view text) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  RenderJob scratch;
  const std::string pair(text);
  if (ParseReadoutPixel(pair, scratch)) return std::nullopt;
  return scratch.readout;
}

}  // namespace

OptionValueError ParsePhaseStep(std::string_view text, RenderJob& job) {
  const NumberReading<double> step = ReadDouble(text, CNumberFormat());
  if (!step.Ok() || !(step.value >= 0.1) || step.value > 30.0) {
    return "--phase-step needs degrees from 0.1 to 30, got " + QuotedText(text);
  }
  job.phaseStep = step.value;
  return std::nullopt;
}

OptionValueError ParsePhaseMax(std::string_view text, RenderJob& job) {
  const NumberReading<double> last = ReadDouble(text, CNumberFormat());
  if (!last.Ok() || !(last.value >= 1.0) || last.value > 180.0) {
    return "--phase-max needs degrees from 1 to 180, got " + QuotedText(text);
  }
  job.phaseMax = last.value;
  return std::nullopt;
}

OptionValueError ParseProfile(std::string_view text, RenderJob& job) {
  if (text == "equator") {
    job.profile = ProfileLine{{}, {}, true};
    return std::nullopt;
  }
  const size_t colon = text.find(':');
  const std::optional<PixelPosition> from =
      colon == std::string_view::npos ? std::nullopt : ReadPixel(text.substr(0, colon));
  const std::optional<PixelPosition> to =
      colon == std::string_view::npos ? std::nullopt : ReadPixel(text.substr(colon + 1));
  if (!from || !to) {
    return "--profile needs X0,Y0:X1,Y1, two picture pixels, or equator, got " + QuotedText(text);
  }
  job.profile = ProfileLine{*from, *to};
  return std::nullopt;
}

OptionValueError ParseLawAlbedo(std::string_view text, RenderJob& job) {
  const NumberReading<double> albedo = ReadDouble(text, CNumberFormat());
  if (!albedo.Ok() || !(albedo.value >= 0.0)) {
    return "--law-albedo needs a number from 0, got " + QuotedText(text);
  }
  job.lawAlbedo = albedo.value;
  return std::nullopt;
}

OptionValueError ParseObservations(std::string_view text, RenderJob& job) {
  if (text.empty()) return std::string("--observations needs a file name");
  job.observationsPath = std::string(text);
  return std::nullopt;
}

OptionValueError ParseFitNames(std::string_view text, RenderJob& job) {
  job.fitNames.clear();
  for (const std::string& name : SplitAt(std::string(text), ',')) {
    if (name.empty() || name.find_first_of(" \t") != std::string::npos ||
        std::find(job.fitNames.begin(), job.fitNames.end(), name) != job.fitNames.end()) {
      return "--fit needs names of parameters, each once, separated by commas, got " +
             QuotedText(text);
    }
    job.fitNames.push_back(name);
  }
  return std::nullopt;
}

// The observed points' and the albedo's checks, once the function is known.
OptionValueError ResolveObserved(const RenderJob& job) {
  if (!job.fitNames.empty() && job.observationsPath.empty()) {
    return std::string("--fit fits observed points: give --observations FILE");
  }
  if (!job.lawAlbedo) return std::nullopt;
  if (!job.albedos && job.observationsPath.empty()) {
    return std::string(
        "--law-albedo scales the albedos of --albedos or the law drawn with "
        "--observations: give one of them");
  }
  if (AlbedoKindOf(job.reflectanceKind) == AlbedoKind::kLawParameter) {
    return std::string("--law-albedo: Hapke's law takes its scale from --param w");
  }
  if (AlbedoKindOf(job.reflectanceKind) != AlbedoKind::kNormal && *job.lawAlbedo > 1.0) {
    return "--law-albedo of the matte function and Lommel-Seeliger's law lies from 0 to 1, got " +
           std::to_string(*job.lawAlbedo);
  }
  return std::nullopt;
}

OptionValueError ResolveCurve(RenderJob& job) {
  if (job.outputPath.empty()) return std::string("a curve needs -o FILE.csv, FILE.png or FILE.svg");
  if (job.phaseCurve && job.profile) {
    return std::string("--phase-curve and --profile are two curves: give one of them");
  }
  if (job.readout)
    return std::string("a curve is written to -o, not read out: leave out --readout");
  if (job.plain) return std::string("--plain shapes a picture's colours, which a curve has not");
  if (job.profile && job.profile->equator && (job.surface || job.gradientSpace)) {
    return std::string("--profile equator runs along the sphere: leave out ") +
           (job.surface ? "--surface" : "--gradient-space");
  }
  if (job.phaseCurve && job.reflectanceKind == kMirror && job.compare.empty()) {
    return std::string("--phase-curve: the mirror has none (its brightness is a single point)");
  }
  std::string extension =
      job.outputPath.substr(std::min(job.outputPath.size(), job.outputPath.rfind('.') + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (job.outputPath.rfind('.') == std::string::npos) extension.clear();
  if (extension == "csv") {
    job.curveFormat = CurveFormat::kCsv;
  } else if (extension == "png") {
    job.curveFormat = CurveFormat::kPng;
  } else if (extension == "svg") {
    job.curveFormat = CurveFormat::kSvg;
  } else {
    return "a curve is written to a .csv, .png or .svg file, got " + QuotedText(job.outputPath);
  }
  if (job.phaseCurve) {
    if (OptionValueError observed = ResolveObserved(job)) return observed;
  }
  // A CSV file holds the values alone, so what shapes only the plot would be dropped there; the
  // size and scale of a sphere's or map's picture still choose the pixels a profile reads.
  const bool picturePixels = job.profile && !job.surface;
  for (const char* name : {"size", "scale", "line-width"}) {
    const bool shapesValues = picturePixels && std::string_view(name) != "line-width";
    if (job.curveFormat == CurveFormat::kCsv && !shapesValues && OptionGiven(job, name)) {
      return "--" + std::string(name) + " shapes a plot (.png or .svg), not the values of " +
             QuotedText(job.outputPath);
    }
  }
  // A surface's profile reads the surface's own grid.
  if (job.profile && job.surface && OptionGiven(job, "size")) {
    return std::string("--size cannot be used with --surface: the grid sets the picture's size");
  }
  return std::nullopt;
}
