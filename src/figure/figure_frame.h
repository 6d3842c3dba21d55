#pragma once
// How the figure's drawing meets its picture: the picture's size in device pixels, how many of
// them make a logical pixel (the renderer's --scale, the window's device pixel ratio), the core's
// view of the map (device pixels) and the font and number format of the text. The figure draws
// in logical coordinates on a device of that pixel ratio (QImage::setDevicePixelRatio), so that
// every size, pens, rings, dashes and text, grows with the scale. The core's positions are
// device pixels with pixel centres at whole numbers.

#include <QFont>
#include <QLocale>
#include <QPointF>
#include <QSize>
#include <QSizeF>

#include "gradient/gradient_view.h"

struct FigureFrame {
  QSize deviceSize;
  int ratio = 1;
  GradientView view;
  QFont font;
  QLocale locale;
  // How many times their own width lines, rings and isophotes are drawn (1 to 4), for a
  // projector; text and the sizes of marks stay.
  int lineWidth = 1;

  QSizeF LogicalSize() const { return QSizeF(deviceSize) / ratio; }
};

// The core's picture position (device pixels, centres at whole numbers) of a logical position,
// and back.
PixelPoint DevicePointOf(QPointF logical, int ratio);
QPointF LogicalPointOf(PixelPoint device, int ratio);

inline constexpr double kMinFigurePointSize = 9.0;
inline constexpr int kStandaloneFontPixels = 12;  // 9 points at 96 dots per inch

// The window's font at `kMinFigurePointSize` points or more.
QFont FigureFont(const QFont& windowFont);

// The figure's font where there is no window: the default family at 12 pixels, whatever the
// device's dots per inch.
QFont StandaloneFigureFont();
