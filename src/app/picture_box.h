#pragma once
// Picture1: the picture area the shading pass paints, one pixel at a time, into an image of the
// widget's own size. The image keeps what is painted while the widget is hidden and is drawn
// when it is shown. Over the image the widget draws the three lines of the observer arrow, each
// in its drawing mode: mode 6 inverts the pixels under the line, mode 11 leaves them unchanged.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>

#include "model/picture.h"
#include "shading/observer_arrow.h"

// One line of the observer arrow, in picture pixels, from p1 to p2 (p2 itself is not drawn).
struct ArrowLine {
  QPoint p1;
  QPoint p2;
  bool visible = false;
  int drawMode = kDrawModeInvert;
};

inline constexpr int kArrowLineCount = 3;  // Line1 (the shaft), Line2 and Line3 (the head)

class PictureBox final : public QWidget, public Picture {
  Q_OBJECT
 public:
  // The picture measures `size` pixels and starts white.
  explicit PictureBox(QSize size, QWidget* parent = nullptr);

  // Picture: what the shading pass paints into.
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void Clear(Rgb background) override;
  void SetPixel(int x, int y, Rgb colour) override;

  const QImage& image() const { return image_; }
  // The image as shown: the picture with the visible arrow lines drawn over it.
  QImage composedImage() const;

  QColor backgroundColour() const { return background_; }
  void setBackgroundColour(const QColor& colour) { background_ = colour; }
  QColor fillColour() const { return fill_; }
  void setFillColour(const QColor& colour) { fill_ = colour; }

  // line is 1, 2 or 3 (Line1 to Line3).
  const ArrowLine& arrowLine(int line) const;
  void setArrowLine(int line, const ArrowLine& arrow);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void DrawArrow(QImage& target) const;

  QImage image_;
  QColor background_ = Qt::white;
  QColor fill_ = Qt::white;
  std::array<ArrowLine, kArrowLineCount> arrow_{};
  bool pressed_ = false;
};
