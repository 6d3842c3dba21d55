#include "figure_options.h"

#include <cmath>
#include <optional>
#include <string>

#include "shading/number_text.h"

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

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted.append(text).append("\"");
  return quoted;
}

}  // namespace

OptionValueError ParseLightSource(std::string_view text, RenderJob& job) {
  const std::optional<NumberPair> pair = ReadPair(text);
  if (!pair) {
    return std::string("--light needs SLANT,TILT, two numbers in degrees, got ")
        .append(Quoted(text));
  }
  if (job.extraSources.size() == static_cast<size_t>(kMaxExtraSources)) {
    return std::string("--light: at most ")
        .append(std::to_string(kMaxExtraSources))
        .append(" sources beside the described one");
  }
  job.extraSources.push_back({pair->first, pair->second});
  return std::nullopt;
}

OptionValueError ParseThrough(std::string_view text, RenderJob& job) {
  const std::optional<NumberPair> pair = ReadPair(text);
  if (!pair) return std::string("--through needs P,Q, two numbers, got ").append(Quoted(text));
  job.through = Gradient{pair->first, pair->second};
  return std::nullopt;
}

bool DrawsFigure(const RenderJob& job) {
  return job.marks || job.litByAll || job.through || !job.extraSources.empty();
}

OptionValueError CheckFigureOptions(const RenderJob& job) {
  if (job.gradientSpace || !DrawsFigure(job)) return std::nullopt;
  return std::string(
      "--light, --through, --lit-by-all and --marks draw on the gradient-space map: give "
      "--gradient-space");
}
