#include "figure_options.h"

#include <cmath>
#include <optional>
#include <string>

#include "gradient/light_sources.h"
#include "input_error_text.h"
#include "intake/number_text.h"

namespace {

struct NumberPair {
  double first = 0.0;
  double second = 0.0;
};

// "A,B": two finite numbers in the C number format.
std::optional<NumberPair> ReadPair(std::string_view text) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const NumberReading<double> first = ReadDouble(text.substr(0, comma), CNumberFormat());
  const NumberReading<double> second = ReadDouble(text.substr(comma + 1), CNumberFormat());
  if (!first.Ok() || !second.Ok()) return std::nullopt;
  return NumberPair{first.value, second.value};
}

}  // namespace

OptionValueError ParseLightSource(std::string_view text, RenderJob& job) {
  // Each angle as the slant box reads it: too large once its radian value overflows a 32-bit
  // float.
  const size_t comma = text.find(',');
  const std::string_view parts[] = {text.substr(0, comma),
                                    comma == std::string_view::npos ? "" : text.substr(comma + 1)};
  const NumberReading<double> slant = ReadAngleDegrees(parts[0], CNumberFormat());
  const NumberReading<double> tilt = ReadAngleDegrees(parts[1], CNumberFormat());
  if (slant.error == NumberError::kOverflow || tilt.error == NumberError::kOverflow) {
    const bool slantTooLarge = slant.error == NumberError::kOverflow;
    return std::string("--light SLANT,TILT: ")
        .append(slantTooLarge ? "the slant " : "the tilt ")
        .append(QuotedText(parts[slantTooLarge ? 0 : 1]))
        .append(" is too large");
  }
  if (!slant.Ok() || !tilt.Ok()) {
    return std::string("--light needs SLANT,TILT, two numbers in degrees, got ")
        .append(QuotedText(text));
  }
  if (job.extraSources.size() == static_cast<size_t>(kMaxExtraSources)) {
    return std::string("--light: at most ")
        .append(std::to_string(kMaxExtraSources))
        .append(" sources beside the described one");
  }
  job.extraSources.push_back({slant.value, tilt.value});
  return std::nullopt;
}

OptionValueError ParseThrough(std::string_view text, RenderJob& job) {
  const std::optional<NumberPair> pair = ReadPair(text);
  if (!pair) return std::string("--through needs P,Q, two numbers, got ").append(QuotedText(text));
  job.through = Gradient{pair->first, pair->second};
  return std::nullopt;
}

bool DrawsFigure(const RenderJob& job) {
  return job.marks || job.litByAll || job.through || !job.extraSources.empty();
}

OptionValueError CheckFigureOptions(const RenderJob& job) {
  if (job.gradientSpace && (job.overlay.outline || job.overlay.sourceMark)) {
    return std::string(
        "--outline and --source-mark draw on the sphere: leave out --gradient-space (the map "
        "marks its sources with --marks)");
  }
  // A surface is lit by the --light sources too; what else draws on the map it refuses itself.
  if (job.gradientSpace || job.surface || !DrawsFigure(job)) return std::nullopt;
  return std::string(
      "--light, --through, --lit-by-all and --marks draw on the gradient-space map: give "
      "--gradient-space");
}
