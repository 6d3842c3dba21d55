#include "surface/surface_image.h"

#include <algorithm>
#include <cmath>

#include "gradient/source_phi.h"
#include "pass/pass_control.h"
#include "pass/worker_pool.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "photometry/reflectance.h"
#include "photometry/sample_colour.h"

namespace {

constexpr int kRowsPerBlock = 16;

double AlbedoAt(const SurfaceScene& scene, size_t cell) {
  return scene.albedo.empty() ? 1.0 : scene.albedo[cell];
}

}  // namespace

SurfaceScene MakeScene(HeightField field, std::vector<double> albedo) {
  SurfaceGradients gradients = GradientsOf(field);
  return {std::move(field), std::move(gradients), std::move(albedo)};
}

void PaintSurfaceImage(const RenderState& lastPass, const SurfaceScene& scene,
                       const LightAim& source, const std::vector<uint8_t>& castShadow,
                       Picture& picture) {
  const Rgb background{lastPass.backgroundR, lastPass.backgroundG, lastPass.backgroundB};
  picture.Clear(background);
  const int width = std::min(picture.Width(), scene.field.width);
  const int height = std::min(picture.Height(), scene.field.height);
  if (width <= 0 || height <= 0) return;
  const SourcePhiField field(lastPass, source);
  const PixelRows rows = picture.Rows();
  PassControl* control = CurrentPassControl();
  const int blocks = (height + kRowsPerBlock - 1) / kRowsPerBlock;
  if (control != nullptr) control->AddBlocks(blocks);
  const auto paintRows = [&](int block) {
    if (control != nullptr && control->Cancelled()) return;
    const int last = std::min(height, (block + 1) * kRowsPerBlock);
    for (int row = block * kRowsPerBlock; row < last; ++row) {
      for (int column = 0; column < width; ++column) {
        if (!scene.gradients.Has(column, row)) continue;
        const size_t cell = scene.field.Index(column, row);
        const Rgb colour =
            !castShadow.empty() && castShadow[cell] != 0
                ? kDeepShadow
                : field.Colour(scene.gradients.At(column, row), AlbedoAt(scene, cell));
        if (rows.first != nullptr) {
          rows.first[row * rows.stride + column] = LimitedPixel(colour);
        } else {
          picture.SetPixel(column, row, colour);
        }
      }
    }
    if (control != nullptr) control->FinishBlock();
  };
  if (rows.first == nullptr) {
    for (int block = 0; block < blocks; ++block) paintRows(block);
  } else {
    PassPool().Run(blocks, paintRows);
  }
}

std::optional<SurfaceReadout> ReadSurfaceCell(const RenderState& lastPass,
                                              const SurfaceScene& scene,
                                              const std::vector<LightAim>& sources,
                                              const std::vector<std::vector<uint8_t>>& castShadows,
                                              int column, int row) {
  const HeightField& field = scene.field;
  if (column < 0 || row < 0 || column >= field.width || row >= field.height) return std::nullopt;
  if (!scene.gradients.Has(column, row)) return std::nullopt;
  const size_t cell = field.Index(column, row);
  SurfaceReadout readout;
  readout.x = column * field.spacingX;
  readout.y = (field.height - 1 - row) * field.spacingY;
  readout.z = field.At(column, row);
  readout.gradient = scene.gradients.At(column, row);
  for (size_t k = 0; k < sources.size(); ++k) {
    SampleReading reading = SourcePhiField(lastPass, sources[k]).Read(readout.gradient);
    RenderState aimed = lastPass;
    AimLightSource(aimed, SlantRadians(sources[k]));
    const double albedo = AlbedoAt(scene, cell);
    if (albedo != 1.0) {
      reading.functionPhi = static_cast<float>(albedo * reading.functionPhi);
      reading.phi = BoundAbove(reading.functionPhi);
      reading.zone = ZoneOfPhi(reading.phi, MakePassConstants(aimed));
    }
    Readout one = MakeReadout(aimed, reading);
    one.gradient = readout.gradient;
    readout.sources.push_back(one);
    readout.castShadow.push_back(k < castShadows.size() && !castShadows[k].empty() &&
                                 castShadows[k][cell] != 0);
  }
  return readout;
}
