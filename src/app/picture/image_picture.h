#pragma once
// A Picture over a QImage of Format_RGB32 that someone else owns: what a pass paints into off the
// window's thread, and what PictureBox paints its own image through.

#include <QImage>

#include "model/picture.h"

class ImagePicture final : public Picture {
 public:
  explicit ImagePicture(QImage& image) : image_(image) {}

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void Clear(Rgb background) override;
  void SetPixel(int x, int y, Rgb colour) override;
  PixelRows Rows() override;

 private:
  QImage& image_;
};

// A white image of `size` logical pixels at `pixelRatio` device pixels to one, as pictures hold.
QImage BlankPictureImage(QSize size, int pixelRatio);
