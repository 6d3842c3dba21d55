#include "render_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>
#include <optional>

#include "shading/number_text.h"

namespace {

using Error = std::optional<std::string>;

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted.append(text).append("\"");
  return quoted;
}

// Seven comma-separated numbers in the C number format, index 0 first.
Error ParseBandList(std::string_view option, std::string_view text,
                    std::optional<std::array<float, kIsoBandCount>>& target) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (parts.size() != kIsoBandCount) {
    return std::string(option) + " needs exactly " + std::to_string(kIsoBandCount) +
           " comma-separated numbers, got " + std::to_string(parts.size()) + ": " + Quoted(text);
  }
  std::array<float, kIsoBandCount> values{};
  for (size_t k = 0; k < parts.size(); ++k) {
    const NumberReading<float> reading = ReadFloat(parts[k], CNumberFormat());
    if (!reading.ok()) {
      const char* reason = reading.error == NumberError::kOverflow
                               ? " is beyond the range of a 32-bit float"
                               : " is not a number";
      return std::string(option) + ": element " + std::to_string(k) + " " + Quoted(parts[k]) +
             reason;
    }
    values[k] = reading.value;
  }
  target = values;
  return std::nullopt;
}

// One side of --size: decimal digits only, 1 to kMaxPictureSide.
std::optional<int> ParseSide(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
      })) {
    return std::nullopt;
  }
  unsigned long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 1 || value > static_cast<unsigned long>(kMaxPictureSide)) return std::nullopt;
  return static_cast<int>(value);
}

Error ParseSize(std::string_view text, RenderJob& job) {
  const size_t cross = text.find('x');
  const std::optional<int> width =
      cross == std::string_view::npos ? std::nullopt : ParseSide(text.substr(0, cross));
  const std::optional<int> height =
      cross == std::string_view::npos ? std::nullopt : ParseSide(text.substr(cross + 1));
  if (!width || !height) {
    return "--size needs WIDTHxHEIGHT, two whole numbers from 1 to " +
           std::to_string(kMaxPictureSide) + ", got " + Quoted(text);
  }
  job.width = *width;
  job.height = *height;
  return std::nullopt;
}

Error ParseFunction(std::string_view text, RenderJob& job) {
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
  return "--function must be matte, glossy, rocky or mirror, got " + Quoted(text);
}

Error ParseOutput(std::string_view text, RenderJob& job) {
  if (!PictureFormatForPath(text, job.format)) {
    return "the output file must end in .ppm or .png, got " + Quoted(text);
  }
  job.outputPath = std::string(text);
  return std::nullopt;
}

using ValueHandler = std::function<Error(std::string_view, RenderJob&)>;

struct ValueOption {
  std::string_view name;
  ValueHandler apply;
};

// A text the shade command reads later, as it reads the window's boxes.
ValueHandler StoreText(std::string ShadeInputs::*field) {
  return [field](std::string_view text, RenderJob& job) {
    job.inputs.*field = std::string(text);
    return Error();
  };
}

const std::vector<ValueOption>& ValueOptions() {
  static const std::vector<ValueOption> options = {
      {"--rot-x", StoreText(&ShadeInputs::rotX)},
      {"--rot-y", StoreText(&ShadeInputs::rotY)},
      {"--rot-z", StoreText(&ShadeInputs::rotZ)},
      {"--slant", StoreText(&ShadeInputs::slant)},
      {"--s", StoreText(&ShadeInputs::glossS)},
      {"--n", StoreText(&ShadeInputs::glossN)},
      {"--function", ParseFunction},
      {"--levels",
       [](std::string_view v, RenderJob& j) { return ParseBandList("--levels", v, j.isoLevel); }},
      {"--half-widths",
       [](std::string_view v, RenderJob& j) {
         return ParseBandList("--half-widths", v, j.isoHalfWidth);
       }},
      {"--size", ParseSize},
      {"-o", ParseOutput},
  };
  return options;
}

struct FlagOption {
  std::string_view name;
  bool RenderJob::*field;
  bool value;
};

constexpr FlagOption kFlagOptions[] = {
    {"--grey", &RenderJob::colourIsolines, false},
    {"--whole-sphere", &RenderJob::halfSphere, false},
    {"--smooth", &RenderJob::smooth, true},
};

}  // namespace

bool PictureFormatForPath(std::string_view path, PictureFormat& format) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return false;
  }
  std::string extension(path.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  // A name that is nothing but the extension (".png") names no file worth writing.
  const bool hasStem = dot > (slash == std::string_view::npos ? 0 : slash + 1);
  if (!hasStem) return false;
  if (extension == ".ppm") {
    format = PictureFormat::kPpm;
    return true;
  }
  if (extension == ".png") {
    format = PictureFormat::kPng;
    return true;
  }
  return false;
}

ParsedCommandLine ParseRenderOptions(const std::vector<std::string_view>& args) {
  RenderJob job;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") return HelpRequest{};

    std::string_view name = arg;
    std::optional<std::string_view> inlineValue;
    if (arg.starts_with("--")) {
      const size_t equals = arg.find('=');
      if (equals != std::string_view::npos) {
        name = arg.substr(0, equals);
        inlineValue = arg.substr(equals + 1);
      }
    }

    const auto flag = std::find_if(std::begin(kFlagOptions), std::end(kFlagOptions),
                                   [&](const FlagOption& f) { return f.name == name; });
    if (flag != std::end(kFlagOptions)) {
      if (inlineValue) return OptionError{"option " + std::string(name) + " takes no value"};
      job.*(flag->field) = flag->value;
      continue;
    }

    const auto& options = ValueOptions();
    const auto option = std::find_if(options.begin(), options.end(),
                                     [&](const ValueOption& o) { return o.name == name; });
    if (option == options.end()) {
      if (arg.starts_with("-")) return OptionError{"unknown option " + Quoted(arg)};
      return OptionError{"unexpected argument " + Quoted(arg)};
    }
    std::string_view value;
    if (inlineValue) {
      value = *inlineValue;
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return OptionError{"option " + std::string(name) + " needs a value"};
    }
    if (Error error = option->apply(value, job)) return OptionError{*error};
  }
  if (job.outputPath.empty()) return OptionError{"no output file: give -o FILE.ppm or -o FILE.png"};
  return job;
}

std::string RenderUsage() {
  return R"(Usage: gauss-sphere-render [options] -o FILE(.ppm|.png)

Paints the picture of one press of the shade button on a freshly started window and writes it
as binary PPM (P6) or PNG, chosen by the file's extension. Numbers use "." as decimal separator.

  --rot-x TEXT          rotation of the observer about Ox, degrees (default 30)
  --rot-y TEXT          rotation about Oy, degrees (default 0)
  --rot-z TEXT          rotation about Oz, degrees (default 0)
  --slant TEXT          slant of the light source, degrees (default 0)
  --function NAME       matte, glossy, rocky or mirror (default matte)
  --s TEXT              glossy weight s (default 0.5)
  --n TEXT              glossy exponent n (default 16)
  --levels L0,...,L6    seven isoline levels, top legend row first (default 0.9,...,0.3)
  --half-widths H0,...,H6
                        seven isoline half-widths (default 0.005 each)
  --grey                grey tones instead of colour isolines
  --whole-sphere        the whole sphere instead of its half
  --smooth              2x2 sub-pixel smoothing
  --size WxH            picture size in pixels, 1 to 10000 each (default 393x337)
  -o FILE               output file, .ppm or .png
  -h, --help            show this text

Exit status: 0 when the picture is written, 2 on a bad option, a bad number or a failed write.
)";
}
