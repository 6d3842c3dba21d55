#include "app/map/figure_layers.h"

#include <cstddef>

#include "model/picture.h"
#include "shading/figure_marks.h"
#include "shading/isophote_crossings.h"
#include "shading/isophotes.h"
#include "shading/lit_by_all.h"
#include "shading/source_phi.h"

namespace {

constexpr Rgb kCrossingOutline{0, 0, 0};

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

QImage SourceMarksLayer(const RenderState& lastPass, const std::vector<UsedSource>& sources,
                        bool litByAll, const GradientView& view, QSize deviceSize, int ratio) {
  TransparentLayer layer(deviceSize, ratio);
  if (litByAll) ShadeLitByAll(layer, view, lastPass, AimsOf(sources), kLitHatchColour);
  for (const UsedSource& source : sources) {
    const Rgb colour = kSourceColours.at(SourceIndex(source));
    DrawShadowLine(layer, view, source.aim, colour, true);
    DrawSourceMark(layer, view, source.aim, colour, false);
  }
  return std::move(layer.Image());
}

QImage PointerMarksLayer(const RenderState& lastPass, const std::vector<UsedSource>& sources,
                         Gradient through, const GradientView& view, QSize deviceSize, int ratio) {
  TransparentLayer layer(deviceSize, ratio);
  for (const UsedSource& source : sources) {
    const float phi = SourcePhiField(lastPass, source.aim).FunctionPhi(through);
    DrawIsophote(layer, view, lastPass, source.aim, phi, kSourceColours.at(SourceIndex(source)));
  }
  if (sources.size() >= 2) {
    const std::vector<Gradient> crossings = IsophoteCrossings(
        lastPass, sources[0].aim, sources[1].aim, through, view, layer.Width(), layer.Height());
    // A white ring within a black one shows on the bright and the dark parts of the map alike.
    DrawCrossingMarks(layer, view, crossings, kCrossingColour, kCrossingMarkRadius);
    DrawCrossingMarks(layer, view, crossings, kCrossingOutline, kCrossingMarkRadius + 1.0);
    if (sources.size() >= 3) {
      DrawCrossingMarks(layer, view,
                        CrossingsSharedBy(lastPass, sources[2].aim, through, crossings, view),
                        kSharedCrossingColour, kSharedCrossingMarkRadius);
    }
  }
  return std::move(layer.Image());
}
