#include "surface_tool.h"

#include <QFile>
#include <QImage>

#include "elevation/elevation_model.h"
#include "input_error_text.h"
#include "intake/number_text.h"
#include "map_figure.h"
#include "message_language.h"
#include "model/startup_values.h"
#include "pass/exposure.h"
#include "pass/shade_command.h"
#include "photoset/image_memory.h"
#include "photoset/regular_file.h"
#include "render_tool.h"
#include "surface/cast_shadows.h"
#include "surface/surface_catalogue.h"

namespace {

// The image's grey 0 to 255 as albedo 0 to 1, stretched to width x height; or the message of a
// file that is not a regular file (a FIFO would hold the run) or does not read as an image.
std::variant<std::vector<double>, std::string> ReadAlbedo(const std::string& path, int width,
                                                          int height) {
  const QString name = QFile::decodeName(QByteArray::fromStdString(path));
  const std::optional<FileProblem> problem = CheckRegularFile(name);
  if (problem && problem->refusal == FileRefusal::kNotRegular) {
    return "--albedo " + QuotedText(path) + " is not a regular file (a folder, a FIFO or a device)";
  }
  AllowImagesUpToTheSampleCap();
  QImage image = problem ? QImage() : QImage(name);
  if (image.isNull()) return "--albedo " + QuotedText(path) + " does not read as an image";
  image = image.convertToFormat(QImage::Format_Grayscale8)
              .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  std::vector<double> albedo;
  albedo.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int row = 0; row < height; ++row) {
    const uchar* line = image.constScanLine(row);
    for (int column = 0; column < width; ++column) albedo.push_back(line[column] / 255.0);
  }
  return albedo;
}

std::variant<HeightField, std::string> LoadHeightField(const RenderJob& job) {
  const SurfaceJob& surface = *job.surface;
  if (const SurfaceKind* kind = FindSurfaceKind(surface.name)) {
    return MakeSurface(*kind, surface.width, surface.height, surface.parameters);
  }
  // Anything else is an elevation model's file; the height scale follows for every surface.
  std::variant<HeightField, ElevationError> read = ReadElevationModel(surface.name);
  if (const auto* error = std::get_if<ElevationError>(&read)) return RendererText(error->said);
  return std::move(std::get<HeightField>(read));
}

}  // namespace

std::variant<SurfaceScene, std::string> LoadSurfaceScene(const RenderJob& job) {
  std::variant<HeightField, std::string> loaded = LoadHeightField(job);
  if (auto* message = std::get_if<std::string>(&loaded)) return std::move(*message);
  HeightField field = std::move(std::get<HeightField>(loaded));
  const double scale = job.surface->heightScale;
  if (scale != 1.0) {
    for (double& z : field.z) z *= scale;
  }
  std::vector<double> albedo;
  if (!job.surface->albedoPath.empty()) {
    std::variant<std::vector<double>, std::string> read =
        ReadAlbedo(job.surface->albedoPath, field.width, field.height);
    if (auto* message = std::get_if<std::string>(&read)) return std::move(*message);
    albedo = std::move(std::get<std::vector<double>>(read));
  }
  return MakeScene(std::move(field), std::move(albedo));
}

std::string SurfaceReadoutLine(const std::optional<SurfaceReadout>& readout) {
  if (!readout || readout->sources.empty()) return "background";
  std::string line = "x=" + ReadoutNumber(readout->x, 3) + " y=" + ReadoutNumber(readout->y, 3) +
                     " z=" + ReadoutNumber(readout->z, 3) +
                     " p=" + ReadoutNumber(readout->gradient.p, 3) +
                     " q=" + ReadoutNumber(readout->gradient.q, 3) + " ";
  Readout first = readout->sources.front();
  first.gradient.reset();
  std::string rest = FormatReadoutLine(first);
  rest.erase(rest.find(" point="));
  if (readout->castShadow.front())
    rest.replace(rest.find("zone=") + 5, std::string::npos, "cast-shadow");
  line += rest;
  std::vector<float> others;
  for (size_t k = 1; k < readout->sources.size(); ++k) {
    others.push_back(readout->sources[k].reading.functionPhi);
  }
  return line + FormatSourcePhis(others);
}

std::variant<PreparedSurface, std::string> PrepareSurface(const RenderJob& job) {
  std::variant<SurfaceScene, std::string> loaded = LoadSurfaceScene(job);
  if (auto* message = std::get_if<std::string>(&loaded)) return std::move(*message);
  return PrepareSurfaceOver(job, std::move(std::get<SurfaceScene>(loaded)));
}

std::variant<PreparedSurface, std::string> PrepareSurfaceOver(const RenderJob& job,
                                                              SurfaceScene scene) {
  PreparedSurface prepared;
  ApplyStartupValues(prepared.state);
  ApplyJobSettings(job, prepared.state);
  ShadeIntakeOutcome intake = ReadShadeParameters(prepared.state, job.inputs, CNumberFormat());
  if (auto* error = std::get_if<InputError>(&intake)) return DescribeInputError(*error);
  prepared.scene = std::move(scene);
  prepared.sources = JobSources(job, prepared.state);
  prepared.shadows.resize(prepared.sources.size());
  if (job.surface->castShadows) {
    for (size_t k = 0; k < prepared.sources.size(); ++k) {
      prepared.shadows[k] = CastShadows(prepared.scene.field, prepared.sources[k]);
    }
  }
  return prepared;
}

PassResult PaintPreparedSurface(const RenderJob& job, const PreparedSurface& prepared) {
  const size_t chosen = static_cast<size_t>(job.surface->source - 1);
  const int width = prepared.scene.field.width;
  const int height = prepared.scene.field.height;
  PassResult pass{prepared.state, ImageBuffer(width, height, ImageBuffer::Unpainted{})};
  if (job.autoExposure) {
    // The brightest finite phi of the chosen source's image painted white, as on the sphere.
    pass.state.exposure = AutoExposure(width, height, [&](int x, int y) -> std::optional<Readout> {
      const std::optional<SurfaceReadout> cell =
          ReadSurfaceCell(prepared.state, prepared.scene, prepared.sources, prepared.shadows, x, y);
      if (!cell) return std::nullopt;
      return cell->sources[chosen];
    });
  }
  PaintSurfaceImage(pass.state, prepared.scene, prepared.sources[chosen], prepared.shadows[chosen],
                    pass.picture);
  return pass;
}

int RunSurfaceTool(const RenderJob& job, std::ostream& out, std::ostream& err) {
  std::variant<PreparedSurface, std::string> ready = PrepareSurface(job);
  if (auto* message = std::get_if<std::string>(&ready)) {
    err << kToolName << *message << "\n";
    return kExitFailure;
  }
  PreparedSurface& prepared = std::get<PreparedSurface>(ready);
  const int width = prepared.scene.field.width;
  const int height = prepared.scene.field.height;
  if (job.readout) {
    if (job.readout->x >= width || job.readout->y >= height) {
      err << kToolName << "--readout " << job.readout->x << "," << job.readout->y
          << " lies outside the " << width << "x" << height << " surface\n";
      return kExitFailure;
    }
    // As the map's line: the angles, phi and zone of the described source, then phi2 and phi3.
    out << SurfaceReadoutLine(ReadSurfaceCell(prepared.state, prepared.scene, prepared.sources,
                                              prepared.shadows, job.readout->x, job.readout->y))
        << "\n";
    return kExitSuccess;
  }
  PassResult pass = PaintPreparedSurface(job, prepared);
  out.flush();
  if (auto error = WriteJobPicture(job, pass)) {
    err << kToolName << *error << "\n";
    return kExitFailure;
  }
  return kExitSuccess;
}
