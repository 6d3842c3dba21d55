#include "recover_tool.h"

#include <QImage>
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <variant>

#include "elevation/elevation_encoding.h"
#include "error_map_options.h"
#include "figure/png_bytes.h"
#include "figure/recovery_pictures.h"
#include "headless_gui.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "intake/parameter_intake.h"
#include "message_language.h"
#include "model/startup_values.h"
#include "option_modes.h"
#include "photoset/photo_set.h"
#include "picture_file.h"
#include "recovery/recover_shape.h"
#include "recovery/recovery_report.h"
#include "render_tool.h"
#include "surface_tool.h"

namespace {

RecoverJob& Recover(RenderJob& job) {
  if (!job.recover) job.recover.emplace();
  return *job.recover;
}

struct RecoveryInput {
  RenderState state;
  RecoveryImages images;
  std::optional<HeightField> truth;
};

std::variant<RecoveryInput, std::string> PrepareInput(const RenderJob& job) {
  const RecoverJob& recover = *job.recover;
  RecoveryInput input;
  if (recover.imagesFolder.empty()) {
    std::variant<PreparedSurface, std::string> ready = PrepareSurface(job);
    if (auto* message = std::get_if<std::string>(&ready)) return std::move(*message);
    PreparedSurface& surface = std::get<PreparedSurface>(ready);
    input.images = MakeRecoveryImages(surface.state, surface.scene, surface.sources,
                                      CameraModel{recover.noise, 1, recover.bits});
    input.state = surface.state;
    input.truth = std::move(surface.scene.field);
    return input;
  }
  // The law of ps-law and shape from shading, read as for a surface; the sources are the set's.
  ApplyStartupValues(input.state);
  ApplyJobSettings(job, input.state);
  ShadeIntakeOutcome intake = ReadShadeParameters(input.state, job.inputs, CNumberFormat());
  if (auto* error = std::get_if<InputError>(&intake)) return DescribeInputError(*error);
  std::variant<RecoveryImages, Message> read =
      ReadPhotoSetSaid(QString::fromStdString(recover.imagesFolder));
  if (const auto* message = std::get_if<Message>(&read)) return RendererText(*message);
  input.images = std::move(std::get<RecoveryImages>(read));
  return input;
}

}  // namespace

OptionValueError ParseRecover(std::string_view text, RenderJob& job) {
  if (!RecoveryMethodNamed(text)) {
    return "--recover must be ps, ps-law, ps-robust, sfs-tsai-shah, sfs-horn or sfs-fmm, got " +
           QuotedText(text);
  }
  Recover(job).method = std::string(text);
  return std::nullopt;
}

OptionValueError ParseIntegrate(std::string_view text, RenderJob& job) {
  if (!IntegratorNamed(text)) {
    return "--integrate must be fc, dct or poisson, got " + QuotedText(text);
  }
  Recover(job).integrator = std::string(text);
  return std::nullopt;
}

OptionValueError ParseNoise(std::string_view text, RenderJob& job) {
  const NumberReading<double> noise = ReadDouble(text, CNumberFormat());
  if (!noise.Ok() || !(noise.value >= 0.0) || noise.value > 255.0) {
    return "--noise needs grey levels from 0 to 255, got " + QuotedText(text);
  }
  Recover(job).noise = noise.value;
  Recover(job).cameraGiven = true;
  return std::nullopt;
}

OptionValueError ParseQuantise(std::string_view text, RenderJob& job) {
  if (text != "8" && text != "16") return "--quantise must be 8 or 16, got " + QuotedText(text);
  Recover(job).bits = text == "8" ? 8 : 16;
  Recover(job).cameraGiven = true;
  return std::nullopt;
}

OptionValueError StoreImagesFolder(std::string_view text, RenderJob& job) {
  if (text.empty()) return std::string("--images needs a folder");
  Recover(job).imagesFolder = std::string(text);
  return std::nullopt;
}

OptionValueError StoreHeightOut(std::string_view text, RenderJob& job) {
  Recover(job).heightOut = std::string(text);
  return std::nullopt;
}

OptionValueError StoreNormalsOut(std::string_view text, RenderJob& job) {
  Recover(job).normalsOut = std::string(text);
  return std::nullopt;
}

OptionValueError StoreAlbedoOut(std::string_view text, RenderJob& job) {
  Recover(job).albedoOut = std::string(text);
  return std::nullopt;
}

// Two of the --*-out options naming one file (as written, or through "./" or a link): the second
// would replace the first.
OptionValueError SameOutputTwice(const RecoverJob& recover) {
  const std::array<std::pair<const char*, const std::string*>, 4> outputs{{
      {"--height-out", &recover.heightOut},
      {"--normals-out", &recover.normalsOut},
      {"--albedo-out", &recover.albedoOut},
      {"--error-out", &recover.errorOut},
  }};
  const auto place = [](const std::string& path) {
    std::error_code error;
    const std::filesystem::path whole =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return error ? std::filesystem::path(path) : whole;
  };
  for (size_t a = 0; a < outputs.size(); ++a) {
    for (size_t b = a + 1; b < outputs.size(); ++b) {
      const std::string& first = *outputs[a].second;
      const std::string& second = *outputs[b].second;
      if (!first.empty() && !second.empty() && place(first) == place(second)) {
        return std::string(outputs[a].first) + " and " + outputs[b].first + " name the same file " +
               QuotedText(second) + ": give each its own";
      }
    }
  }
  return std::nullopt;
}

OptionValueError ResolveRecover(const RenderJob& job) {
  if (!job.recover) return std::nullopt;
  const RecoverJob& recover = *job.recover;
  if (recover.method.empty()) {
    return std::string(
        "--images, --integrate, --noise, --quantise and the --*-out options recover a shape: "
        "give --recover");
  }
  if (!recover.imagesFolder.empty()) {
    if (job.surface) {
      return std::string("--images and --surface are two inputs of --recover: give one of them");
    }
    if (recover.cameraGiven) {
      return std::string(
          "--noise and --quantise change the images made of a --surface, not the photographs of "
          "--images");
    }
  } else if (!job.surface) {
    return std::string("--recover needs the images of a --surface or the folder of --images");
  }
  const RecoveryMethod method = *RecoveryMethodNamed(recover.method);
  const bool stereo = IsStereo(method);
  if (stereo && OptionGiven(job, "source")) {
    return "--source chooses the image of shape from shading, not of --recover " + recover.method +
           ": photometric stereo uses every source";
  }
  const bool fitsNoLaw =
      method == RecoveryMethod::kWoodhamStereo || method == RecoveryMethod::kRobustStereo;
  if (fitsNoLaw && !recover.imagesFolder.empty()) {
    // A surface's images are made with the law (a setup gives nothing else here); Woodham's
    // stereo of photographs fits none.
    for (const char* law : {"function", "param", "formula", "s", "n", "setup"}) {
      if (OptionGiven(job, law)) {
        return "--" + std::string(law) +
               " chooses the law of --recover ps-law or shape from shading: --recover " +
               recover.method + " of --images fits none";
      }
    }
  }
  if (!stereo && OptionGiven(job, "integrate")) {
    return "--integrate integrates the gradients of --recover ps or ps-law, not of --recover " +
           recover.method + ": shape from shading finds the heights itself";
  }
  if (!recover.heightOut.empty() && !ElevationFormatOf(recover.heightOut)) {
    return "--height-out writes a .tif or .asc file, got " + QuotedText(recover.heightOut);
  }
  for (const std::string* png : {&recover.normalsOut, &recover.albedoOut}) {
    if (!png->empty() && (png->size() < 4 || png->substr(png->size() - 4) != ".png")) {
      return "--normals-out and --albedo-out write .png files, got " + QuotedText(*png);
    }
  }
  if (OptionValueError error = CheckErrorMapOptions(job)) return error;
  return SameOutputTwice(recover);
}

int RunRecoverTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  const auto fail = [&err](const std::string& message) {
    err << kToolName << message << "\n";
    return kExitFailure;
  };
  std::variant<RecoveryInput, std::string> ready = PrepareInput(job);
  if (auto* message = std::get_if<std::string>(&ready)) return fail(*message);
  RecoveryInput& input = std::get<RecoveryInput>(ready);
  const RecoverJob& recover = *job.recover;
  const RecoveryMethod method = *RecoveryMethodNamed(recover.method);
  if (!IsStereo(method) && job.surface && job.surface->source > 1) {
    // Shape from shading reads the first image under the first source: put --source's first.
    const auto chosen = static_cast<std::ptrdiff_t>(job.surface->source - 1);
    std::rotate(input.images.sources.begin(), input.images.sources.begin() + chosen,
                input.images.sources.begin() + chosen + 1);
    std::rotate(input.images.intensity.begin(), input.images.intensity.begin() + chosen,
                input.images.intensity.begin() + chosen + 1);
  }
  std::variant<RecoveredShape, LightsError> solved =
      RecoverShape(input.images, input.state, method, *IntegratorNamed(recover.integrator));
  if (const auto* error = std::get_if<LightsError>(&solved)) return fail(RendererText(error->said));
  const RecoveredShape& shape = std::get<RecoveredShape>(solved);
  const HeightField& heights = shape.heights;
  const RecoveredNormals& shown = shape.normals;
  out << (input.truth ? FormatRecoveryReport(MeasureRecovery(*input.truth, &heights, &shown))
                      // Without a true surface only the count of recovered cells is known.
                      : "recovered_pixels=" + std::to_string(shown.RecoveredCells()) + "\n");
  if (shape.rejectedSamples) out << "rejected_samples=" << *shape.rejectedSamples << "\n";
  if (shape.ambiguousCells) out << "ambiguous_cells=" << *shape.ambiguousCells << "\n";
  out.flush();
  std::vector<std::pair<std::string, std::optional<std::string>>> files;
  if (!recover.heightOut.empty()) {
    files.emplace_back(recover.heightOut,
                       EncodeElevationModel(heights, *ElevationFormatOf(recover.heightOut)));
  }
  if (!recover.normalsOut.empty())
    files.emplace_back(recover.normalsOut, PngFile(NormalMapImage(shown)));
  if (!recover.albedoOut.empty()) {
    // Colour photographs give each channel's albedo; grey ones and a surface's images the grey.
    const ColourAlbedoChannels colour = ColourAlbedo(input.images, shown);
    files.emplace_back(
        recover.albedoOut,
        PngFile(colour[0].empty() ? AlbedoImage(shown)
                                  : ColourAlbedoImage(colour, shown.width, shown.height)));
  }
  if (!recover.errorOut.empty() && input.truth) {
    EnsureHeadlessGui();  // the bar's numbers are text
    const std::vector<double> degrees = AngularErrors(*input.truth, shown);
    const double top = ChosenErrorScaleTop(recover.errorScale, degrees);
    files.emplace_back(recover.errorOut, PngFile(ErrorMapFigure(degrees, shown.width, shown.height,
                                                                top, QLocale::c())));
  }
  for (const auto& [path, bytes] : files) {
    if (!bytes) return fail("cannot encode " + path);
    if (auto error = WriteOutputFile(path, *bytes)) return fail(*error);
  }
  return kExitSuccess;
}
