#include "app/map/figure_layers.h"

#include <cstddef>

#include "model/picture.h"
#include "shading/figure_marks.h"
#include "shading/isophote_crossings.h"
#include "shading/isophotes.h"
#include "shading/lit_by_all.h"
#include "shading/source_phi.h"

namespace {

// A transparent image the core's drawing paints opaque pixels into.
class TransparentLayer final : public Picture {
 public:
  TransparentLayer(QSize size, int ratio) : image_(size, QImage::Format_ARGB32_Premultiplied) {
    image_.fill(Qt::transparent);
    image_.setDevicePixelRatio(ratio);
  }
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void Clear(Rgb /*background*/) override { image_.fill(Qt::transparent); }
  void SetPixel(int x, int y, Rgb colour) override {
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = PackedPixel(colour);
  }
  QImage& Image() { return image_; }

 private:
  QImage image_;
};

}  // namespace

QImage SourceMarksLayer(const RenderState& lastPass, const std::vector<LightAim>& sources,
                        bool litByAll, const GradientView& view, QSize deviceSize, int ratio) {
  TransparentLayer layer(deviceSize, ratio);
  if (litByAll) ShadeLitByAll(layer, view, lastPass, sources, kLitHatchColour);
  for (size_t k = 0; k < sources.size(); ++k) {
    DrawShadowLine(layer, view, sources[k], kSourceColours.at(k), true);
    DrawSourceMark(layer, view, sources[k], kSourceColours.at(k), false);
  }
  return std::move(layer.Image());
}

QImage PointerMarksLayer(const RenderState& lastPass, const std::vector<LightAim>& sources,
                         Gradient through, const GradientView& view, QSize deviceSize, int ratio) {
  TransparentLayer layer(deviceSize, ratio);
  for (size_t k = 0; k < sources.size(); ++k) {
    const float phi = SourcePhiField(lastPass, sources[k]).FunctionPhi(through);
    DrawIsophote(layer, view, lastPass, sources[k], phi, kSourceColours.at(k));
  }
  if (sources.size() >= 2) {
    const std::vector<Gradient> crossings = IsophoteCrossings(
        lastPass, sources[0], sources[1], through, view, layer.Width(), layer.Height());
    DrawCrossingMarks(layer, view, crossings, kCrossingColour, kCrossingMarkRadius);
    if (sources.size() >= 3) {
      DrawCrossingMarks(layer, view,
                        CrossingsSharedBy(lastPass, sources[2], through, crossings, view),
                        kSharedCrossingColour, kSharedCrossingMarkRadius);
    }
  }
  return std::move(layer.Image());
}
