#include "recover_tool.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <variant>

#include "elevation/elevation_encoding.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "intake/parameter_intake.h"
#include "model/startup_values.h"
#include "photoset/photo_set.h"
#include "picture_file.h"
#include "recovery/normal_integration.h"
#include "recovery/photometric_stereo.h"
#include "recovery/recovery_report.h"
#include "recovery/shape_from_shading.h"
#include "render_tool.h"
#include "surface_tool.h"

namespace {

constexpr std::string_view kToolName = "gauss-sphere-render: ";

RecoverJob& Recover(RenderJob& job) {
  if (!job.recover) job.recover.emplace();
  return *job.recover;
}

bool OneOf(std::string_view text, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), text) != names.end();
}

std::optional<std::string> PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return bytes.toStdString();
}

// The common RGB normal map: each component of N = (-p, -q, 1) / |.| from [-1, 1] to 0..255;
// black where nothing was recovered.
QImage NormalMap(const RecoveredNormals& normals) {
  QImage image(normals.width, normals.height, QImage::Format_RGB32);
  for (int row = 0; row < normals.height; ++row) {
    for (int column = 0; column < normals.width; ++column) {
      const size_t cell = static_cast<size_t>(row) * normals.width + column;
      if (!normals.Has(cell)) {
        image.setPixel(column, row, qRgb(0, 0, 0));
        continue;
      }
      const double length =
          std::sqrt(1.0 + normals.p[cell] * normals.p[cell] + normals.q[cell] * normals.q[cell]);
      const auto level = [](double n) { return static_cast<int>(std::lround((n + 1.0) * 127.5)); };
      image.setPixel(column, row,
                     qRgb(level(-normals.p[cell] / length), level(-normals.q[cell] / length),
                          level(1.0 / length)));
    }
  }
  return image;
}

QImage AlbedoMap(const RecoveredNormals& normals) {
  QImage image(normals.width, normals.height, QImage::Format_Grayscale8);
  for (int row = 0; row < normals.height; ++row) {
    for (int column = 0; column < normals.width; ++column) {
      const double albedo = normals.albedo[static_cast<size_t>(row) * normals.width + column];
      const int grey = std::isfinite(albedo)
                           ? static_cast<int>(std::lround(std::clamp(albedo, 0.0, 1.0) * 255))
                           : 0;
      image.scanLine(row)[column] = static_cast<uchar>(grey);
    }
  }
  return image;
}

// What a recovery starts from: the law, the images and, for a --surface, the true heights.
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
  std::variant<RecoveryImages, std::string> read =
      ReadPhotoSet(QString::fromStdString(recover.imagesFolder));
  if (auto* message = std::get_if<std::string>(&read)) return std::move(*message);
  input.images = std::move(std::get<RecoveryImages>(read));
  return input;
}

// Without a true surface only the count of recovered cells can be reported.
std::string RecoveredPixelsLine(const RecoveredNormals& normals) {
  int64_t recovered = 0;
  for (size_t cell = 0; cell < normals.Cells(); ++cell) recovered += normals.Has(cell) ? 1 : 0;
  return "recovered_pixels=" + std::to_string(recovered) + "\n";
}

HeightField Integrate(const RecoveredNormals& normals, const std::string& integrator) {
  if (integrator == "fc") return IntegrateFrankotChellappa(normals);
  if (integrator == "poisson") return IntegrateOnMask(normals);
  return IntegrateDctPoisson(normals);
}

}  // namespace

OptionValueError ParseRecover(std::string_view text, RenderJob& job) {
  if (!OneOf(text, {"ps", "ps-law", "sfs-tsai-shah", "sfs-horn"})) {
    return "--recover must be ps, ps-law, sfs-tsai-shah or sfs-horn, got " + QuotedText(text);
  }
  Recover(job).method = std::string(text);
  return std::nullopt;
}

OptionValueError ParseIntegrate(std::string_view text, RenderJob& job) {
  if (!OneOf(text, {"fc", "dct", "poisson"})) {
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
  if (!recover.heightOut.empty() && !ElevationFormatOf(recover.heightOut)) {
    return "--height-out writes a .tif or .asc file, got " + QuotedText(recover.heightOut);
  }
  for (const std::string* png : {&recover.normalsOut, &recover.albedoOut}) {
    if (!png->empty() && (png->size() < 4 || png->substr(png->size() - 4) != ".png")) {
      return "--normals-out and --albedo-out write .png files, got " + QuotedText(*png);
    }
  }
  return std::nullopt;
}

int RunRecoverTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  const auto fail = [&err](const std::string& message) {
    err << kToolName << message << "\n";
    return kExitFailure;
  };
  std::variant<RecoveryInput, std::string> ready = PrepareInput(job);
  if (auto* message = std::get_if<std::string>(&ready)) return fail(*message);
  const RecoveryInput& input = std::get<RecoveryInput>(ready);
  const RecoverJob& recover = *job.recover;
  std::optional<RecoveredNormals> normals;
  HeightField heights;
  if (recover.method == "ps" || recover.method == "ps-law") {
    std::variant<RecoveredNormals, LightsError> solved =
        recover.method == "ps" ? WoodhamStereo(input.images) : LawStereo(input.images, input.state);
    if (auto* error = std::get_if<LightsError>(&solved)) return fail(error->message);
    normals = std::move(std::get<RecoveredNormals>(solved));
    heights = Integrate(*normals, recover.integrator);
  } else {
    heights = (recover.method == "sfs-horn" ? HornSfs(input.images, input.state)
                                            : TsaiShahSfs(input.images, input.state))
                  .heights;
  }
  const RecoveredNormals shown = normals ? *normals : NormalsOfHeights(heights);
  out << (input.truth ? FormatRecoveryReport(MeasureRecovery(*input.truth, &heights, &shown))
                      : RecoveredPixelsLine(shown));
  out.flush();
  std::vector<std::pair<std::string, std::optional<std::string>>> files;
  if (!recover.heightOut.empty()) {
    files.emplace_back(recover.heightOut,
                       EncodeElevationModel(heights, *ElevationFormatOf(recover.heightOut)));
  }
  if (!recover.normalsOut.empty())
    files.emplace_back(recover.normalsOut, PngBytes(NormalMap(shown)));
  if (!recover.albedoOut.empty()) files.emplace_back(recover.albedoOut, PngBytes(AlbedoMap(shown)));
  for (const auto& [path, bytes] : files) {
    if (!bytes) return fail("cannot encode " + path);
    if (auto error = WriteOutputFile(path, *bytes)) return fail(*error);
  }
  return kExitSuccess;
}
