#include "option_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "input_error_text.h"
#include "intake/legend_intake.h"
#include "intake/number_text.h"
#include "law_options.h"
#include "model/backgrounds.h"
#include "pass/exposure.h"

namespace {

// A whole number in decimal digits only, from `low` to `high`.
std::optional<int> ParseWhole(std::string_view text, int low, int high) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
      })) {
    return std::nullopt;
  }
  unsigned long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < static_cast<unsigned long>(low) || value > static_cast<unsigned long>(high)) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

// One side of --size: 1 to kMaxPictureSide.
std::optional<int> ParseSide(std::string_view text) { return ParseWhole(text, 1, kMaxPictureSide); }

// "ppm", "png", "bmp", "svg" or "pdf" in any letter case.
bool PictureFormatForName(std::string_view name, PictureFormat& format) {
  struct Named {
    std::string_view name;
    PictureFormat format;
  };
  static constexpr Named kFormats[] = {{"ppm", PictureFormat::kPpm},
                                       {"png", PictureFormat::kPng},
                                       {"bmp", PictureFormat::kBmp},
                                       {"svg", PictureFormat::kSvg},
                                       {"pdf", PictureFormat::kPdf}};
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  for (const Named& known : kFormats) {
    if (lower == known.name) {
      format = known.format;
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos;
       start = at + 1, at = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, at - start));
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::optional<double> FiniteNumber(std::string_view text) {
  const NumberReading<double> reading = ReadDouble(text, CNumberFormat());
  if (!reading.Ok() || !std::isfinite(reading.value)) return std::nullopt;
  return reading.value;
}

// Seven comma-separated numbers in the C number format, index 0 first, read as the window reads
// its legend boxes.
OptionValueError ParseBandList(std::string_view option, std::string_view text,
                               std::optional<std::array<float, kIsoBandCount>>& target) {
  const std::optional<LegendTexts> texts = SplitLegendList(text);
  if (!texts) {
    const auto count = std::count(text.begin(), text.end(), ',') + 1;
    return std::string(option) + " needs exactly " + std::to_string(kIsoBandCount) +
           " comma-separated numbers, got " + std::to_string(count) + ": " + QuotedText(text);
  }
  std::array<float, kIsoBandCount> values{};
  const LegendErrors errors = ReadLegendColumn(*texts, CNumberFormat(), values);
  for (size_t k = 0; k < errors.size(); ++k) {
    if (errors[k] == NumberError::kNone) continue;
    return std::string(option) + ": element " + std::to_string(k) + " " + QuotedText((*texts)[k]) +
           DescribeNumberError(errors[k], " is beyond the range of a 32-bit float");
  }
  target = values;
  return std::nullopt;
}

OptionValueError ParseSize(std::string_view text, RenderJob& job) {
  const size_t cross = text.find('x');
  const std::optional<int> width =
      cross == std::string_view::npos ? std::nullopt : ParseSide(text.substr(0, cross));
  const std::optional<int> height =
      cross == std::string_view::npos ? std::nullopt : ParseSide(text.substr(cross + 1));
  if (!width || !height) {
    return "--size needs WIDTHxHEIGHT, two whole numbers from 1 to " +
           std::to_string(kMaxPictureSide) + ", got " + QuotedText(text);
  }
  job.width = *width;
  job.height = *height;
  job.sizeGiven = true;
  return std::nullopt;
}

OptionValueError ParseScale(std::string_view text, RenderJob& job) {
  const std::optional<int> scale = ParseWhole(text, 1, kMaxScale);
  if (!scale) {
    return "--scale needs a whole number from 1 to " + std::to_string(kMaxScale) + ", got " +
           QuotedText(text);
  }
  job.scale = *scale;
  return std::nullopt;
}

OptionValueError ParseLineWidth(std::string_view text, RenderJob& job) {
  const std::optional<int> width = ParseWhole(text, kMinLineWidth, kMaxLineWidth);
  if (!width) {
    return "--line-width needs a whole number from " + std::to_string(kMinLineWidth) + " to " +
           std::to_string(kMaxLineWidth) + ", got " + QuotedText(text);
  }
  job.overlay.lineWidth = *width;
  return std::nullopt;
}

OptionValueError ParseExposure(std::string_view text, RenderJob& job) {
  if (text == "auto") {
    job.autoExposure = true;
    return std::nullopt;
  }
  const NumberReading<double> k = ReadDouble(text, CNumberFormat());
  if (!k.Ok() || !(k.value >= kMinExposure && k.value <= kMaxExposure)) {
    return "--exposure needs auto or a number from 0.1 to 10, got " + QuotedText(text);
  }
  job.exposure = k.value;
  job.autoExposure = false;
  return std::nullopt;
}

OptionValueError ParseBackground(std::string_view text, RenderJob& job) {
  const std::optional<Rgb> colour = BackgroundNamed(text);
  if (!colour) return "--background must be white, black or grey, got " + QuotedText(text);
  job.background = *colour;
  return std::nullopt;
}

OptionValueError ParseThreads(std::string_view text, RenderJob& job) {
  const std::optional<int> threads = ParseWhole(text, 1, kMaxThreads);
  if (!threads) {
    return "--threads needs a whole number from 1 to " + std::to_string(kMaxThreads) + ", got " +
           QuotedText(text);
  }
  job.threads = *threads;
  return std::nullopt;
}

void ScaleDefaultSize(RenderJob& job) {
  if (job.sizeGiven) return;
  job.width = kDefaultPictureWidth * job.scale;
  job.height = kDefaultPictureHeight * job.scale;
}

OptionValueError ParseReadoutPixel(std::string_view text, RenderJob& job) {
  const size_t comma = text.find(',');
  // Coordinates beyond the largest picture are refused with the picture's bounds later.
  const auto coordinate = [](std::string_view part) {
    return ParseWhole(part, 0, kMaxPictureSide);
  };
  const std::optional<int> x =
      comma == std::string_view::npos ? std::nullopt : coordinate(text.substr(0, comma));
  const std::optional<int> y =
      comma == std::string_view::npos ? std::nullopt : coordinate(text.substr(comma + 1));
  if (!x || !y) {
    return "--readout needs X,Y, two whole numbers counted from 0 at the top left, got " +
           QuotedText(text);
  }
  job.readout = PixelPosition{*x, *y};
  return std::nullopt;
}

OptionValueError CheckReadoutPixel(const RenderJob& job) {
  if (!job.readout) return std::nullopt;
  const PixelPosition& at = *job.readout;
  if (at.x < job.width && at.y < job.height) return std::nullopt;
  return "--readout " + std::to_string(at.x) + "," + std::to_string(at.y) + " lies outside the " +
         std::to_string(job.width) + "x" + std::to_string(job.height) + " picture: X is 0 to " +
         std::to_string(job.width - 1) + ", Y is 0 to " + std::to_string(job.height - 1);
}

OptionValueError ParseFunction(std::string_view text, RenderJob& job) {
  struct Named {
    std::string_view name;
    int32_t kind;
  };
  static constexpr Named kFunctions[] = {
      {"matte", kMatte}, {"glossy", kGlossy}, {"rocky", kRocky}, {"mirror", kMirror}};
  for (const Named& function : kFunctions) {
    if (text == function.name) {
      job.reflectanceKind = function.kind;
      return std::nullopt;
    }
  }
  if (ParseLawFunction(text, job)) return std::nullopt;
  return "--function must be one of " + FunctionNames() + ", got " + QuotedText(text);
}

OptionValueError ParseOutput(std::string_view text, RenderJob& job) {
  if (text.empty()) return std::string("-o needs a file name, or - for standard output");
  job.outputPath = std::string(text);
  return std::nullopt;
}

OptionValueError ParseFormat(std::string_view text, RenderJob& job) {
  if (!PictureFormatForName(text, job.format)) {
    return "--format must be ppm, png, bmp, svg or pdf, got " + QuotedText(text);
  }
  job.formatGiven = true;
  return std::nullopt;
}

OptionValueError ResolveOutputFormat(RenderJob& job) {
  if (job.outputPath.empty() || job.formatGiven) return std::nullopt;
  if (job.outputPath == "-") {
    job.format = PictureFormat::kPpm;
    return std::nullopt;
  }
  if (PictureFormatForPath(job.outputPath, job.format)) return std::nullopt;
  return "the output file must end in .ppm, .png, .bmp, .svg or .pdf (or give --format "
         "ppm|png|bmp|svg|pdf), got " +
         QuotedText(job.outputPath);
}

bool PictureFormatForPath(std::string_view path, PictureFormat& format) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return false;
  }
  // A name that is nothing but the extension (".png") names no file worth writing.
  const bool hasStem = dot > (slash == std::string_view::npos ? 0 : slash + 1);
  return hasStem && PictureFormatForName(path.substr(dot + 1), format);
}
