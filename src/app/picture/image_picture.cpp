#include "app/picture/image_picture.h"

void ImagePicture::Clear(Rgb background) {
  image_.fill(qRgb(background.r, background.g, background.b));
}

void ImagePicture::SetPixel(int x, int y, Rgb colour) {
  // scanLine: QImage::setPixel costs several times as much per pixel.
  reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = qRgb(colour.r, colour.g, colour.b);
}

PixelRows ImagePicture::Rows() {
  // Format_RGB32 holds 0xffRRGGBB words, the words of PixelRows; bits() detaches once, here.
  constexpr int kBytesPerPixel = 4;
  return {reinterpret_cast<uint32_t*>(image_.bits()), image_.bytesPerLine() / kBytesPerPixel,
          image_.width(), image_.height()};
}

QImage BlankPictureImage(QSize size, int pixelRatio) {
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  return image;
}
