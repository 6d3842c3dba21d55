#include "app/map/figure_layers.h"

#include <cstddef>

#include "gradient/figure_marks.h"
#include "gradient/figure_overlay.h"
#include "gradient/lit_by_all.h"
#include "model/picture.h"

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

// Each source in the colour of its number.
std::vector<FigureSource> Coloured(const std::vector<UsedSource>& sources) {
  std::vector<FigureSource> coloured;
  coloured.reserve(sources.size());
  for (const UsedSource& source : sources) {
    coloured.push_back({source.aim, kSourceColours.at(SourceIndex(source))});
  }
  return coloured;
}

}  // namespace

QImage SourceMarksLayer(const RenderState& lastPass, const std::vector<UsedSource>& sources,
                        bool litByAll, const GradientView& view, QSize deviceSize, int ratio) {
  TransparentLayer layer(deviceSize, ratio);
  if (litByAll) ShadeLitByAll(layer, view, lastPass, AimsOf(sources), kLitHatchColour);
  // The window writes «S» in its own font.
  DrawSourcesMarks(layer, view, Coloured(sources), false);
  return std::move(layer.Image());
}

QImage PointerMarksLayer(const RenderState& lastPass, const std::vector<UsedSource>& sources,
                         Gradient through, const GradientView& view, QSize deviceSize, int ratio) {
  TransparentLayer layer(deviceSize, ratio);
  DrawIsophotesThrough(layer, view, lastPass, Coloured(sources), through, true);
  return std::move(layer.Image());
}
