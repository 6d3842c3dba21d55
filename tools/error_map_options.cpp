#include "error_map_options.h"

#include <string>

#include "input_error_text.h"
#include "intake/number_text.h"
#include "option_modes.h"

namespace {

constexpr double kLowestTop = 0.1;
constexpr double kHighestTop = 180.0;

RecoverJob& Recover(RenderJob& job) {
  if (!job.recover) job.recover.emplace();
  return *job.recover;
}

}  // namespace

OptionValueError StoreErrorOut(std::string_view text, RenderJob& job) {
  Recover(job).errorOut = std::string(text);
  return std::nullopt;
}

OptionValueError ParseErrorScale(std::string_view text, RenderJob& job) {
  if (text == "auto") {
    Recover(job).errorScale.reset();
    return std::nullopt;
  }
  const NumberReading<double> top = ReadDouble(text, CNumberFormat());
  if (!top.Ok() || !(top.value >= kLowestTop && top.value <= kHighestTop)) {
    return std::string("--error-scale needs auto or a top in degrees from 0.1 to 180, got ")
        .append(QuotedText(text));
  }
  Recover(job).errorScale = top.value;
  return std::nullopt;
}

OptionValueError CheckErrorMapOptions(const RenderJob& job) {
  const RecoverJob& recover = *job.recover;
  if (OptionGiven(job, "error-scale") && recover.errorOut.empty()) {
    return std::string(
        "--error-scale sets the scale of the map --error-out writes: give --error-out");
  }
  const std::string& path = recover.errorOut;
  if (!path.empty() && (path.size() < 4 || path.substr(path.size() - 4) != ".png")) {
    return "--error-out writes a .png file, got " + QuotedText(path);
  }
  return std::nullopt;
}
