#pragma once
// Picture1: the picture area the shading pass paints, one pixel at a time, into an image of the
// widget's own size. The image keeps what is painted while the widget is hidden and is drawn
// when it is shown. Over the image the widget draws the three lines of the observer arrow, each
// in its drawing mode: mode 6 inverts the pixels under the line, mode 11 leaves them unchanged.
// It reports where the pointer rests on it (no button needed) and when the pointer leaves it, and
// again when asked (after a dialog has closed).
// On a screen scaled above 1 the image holds K = ceil(scale) pixels for each of the widget's
// (QImage::setDevicePixelRatio): the pass paints device pixels, positions stay logical.
// An owner may lay a drawing over the image (SetOverlay): it is part of the picture as shown,
// saved and copied, but not of the image the pass painted.

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "model/picture.h"
#include "pass/observer_arrow.h"

// One line of the observer arrow, in picture pixels, from p1 to p2 (p2 itself is not drawn).
struct ArrowLine {
  QPoint p1;
  QPoint p2;
  bool visible = false;
  int drawMode = kDrawModeInvert;
};

inline constexpr int kArrowLineCount = 3;  // Line1 (the shaft), Line2 and Line3 (the head)

// Its own functions are named as those of the Picture interface it implements; `clicked` is a Qt
// signal and named as Qt names them.
class QPainter;

class PictureBox final : public QWidget, public Picture {
  Q_OBJECT
 public:
  // Draws over the image, in the widget's (logical) coordinates.
  using Overlay = std::function<void(QPainter& painter)>;

  // The picture measures `size` pixels and starts white.
  explicit PictureBox(QSize size, QWidget* parent = nullptr);

  // A new white image of `size` logical pixels, `pixelRatio` device pixels each way to one
  // (the widget is resized to `size`).
  void ResizeImage(QSize size, int pixelRatio);
  int PixelRatio() const { return pixelRatio_; }
  // The screen's pixel ratio rounded up to a whole number: the ratio at which the picture is
  // painted sharp (1 on an unscaled screen).
  int ScreenPixelRatio() const;
  // Puts back an image taken from Image(), at its own pixel ratio.
  void SetImage(const QImage& image);
  // The device pixel under a logical position (the one holding the position's centre).
  QPoint DevicePixelAt(QPoint position) const;
  void SetOverlay(Overlay overlay);

  // Picture: what the shading pass paints into.
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void Clear(Rgb background) override;
  void SetPixel(int x, int y, Rgb colour) override;
  PixelRows Rows() override;

  const QImage& Image() const { return image_; }
  // The image as shown: the picture with the visible arrow lines drawn over it.
  QImage ComposedImage() const;
  // The picture with the visible arrow lines drawn in mode 6, whatever their blink phase.
  QImage ImageWithArrowShown() const;
  // The same without the overlay: the raster of a vector file, over which the overlay is drawn
  // again as vectors.
  QImage ImageWithArrowShownAlone() const;
  // The drawing laid over the image, if any.
  const Overlay& CurrentOverlay() const { return overlay_; }
  // A line marked over the image and its overlay (a profile's line, logical coordinates), or
  // none; part of the picture as shown, saved and copied.
  void SetLineMark(std::optional<QLineF> line);
  const std::optional<QLineF>& LineMark() const { return lineMark_; }

  // The background and fill colours of the picture area are kept as the window sets them, but
  // paint nothing: the picture covers the whole widget and the raster pass clears it in the
  // RenderState's background colour, so neither could ever show.
  QColor BackgroundColour() const { return background_; }
  void SetBackgroundColour(const QColor& colour) { background_ = colour; }
  QColor FillColour() const { return fill_; }
  void SetFillColour(const QColor& colour) { fill_ = colour; }

  // line is 1, 2 or 3 (Line1 to Line3).
  const ArrowLine& ArrowLineAt(int line) const;
  void SetArrowLine(int line, const ArrowLine& arrow);

  // Reports where the pointer rests now: pointerMoved where it is over the picture, pointerLeft
  // where it is not. After a dialog closes the pointer may rest elsewhere, and no move says so
  // until it moves again.
  void ReportPointer();

 signals:
  void clicked();
  void pointerMoved(QPoint position);
  void pointerLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void DrawArrow(QImage& target, bool blinkPhaseToo) const;
  void DrawOverlay(QImage& target) const;

  QImage image_;
  int pixelRatio_ = 1;
  Overlay overlay_;
  std::optional<QLineF> lineMark_;
  QColor background_ = Qt::white;
  QColor fill_ = Qt::white;
  std::array<ArrowLine, kArrowLineCount> arrow_{};
  bool pressed_ = false;
};
