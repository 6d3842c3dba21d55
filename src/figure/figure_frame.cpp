#include "figure/figure_frame.h"

PixelPoint DevicePointOf(QPointF logical, int ratio) {
  return {logical.x() * ratio - 0.5, logical.y() * ratio - 0.5};
}

QPointF LogicalPointOf(PixelPoint device, int ratio) {
  return {(device.x + 0.5) / ratio, (device.y + 0.5) / ratio};
}

QFont FigureFont(const QFont& windowFont) {
  QFont font = windowFont;
  if (font.pointSizeF() < kMinFigurePointSize) font.setPointSizeF(kMinFigurePointSize);
  return font;
}

QFont StandaloneFigureFont() {
  QFont font;
  font.setPixelSize(kStandaloneFontPixels);
  return font;
}
