#include "map_figure_pixels.h"

#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <clocale>
#include <string>

#include "figure/figure_frame.h"
#include "figure/whole_figure.h"
#include "gradient/gradient_view.h"

namespace {

// Qt's start-up chatter concerns a display the module never opens.
void Silent(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& /*text*/) {}

void EnsureOffscreenGui() {
  if (QCoreApplication::instance() != nullptr) return;
  // Qt keeps argc and argv for the application's life; "-platform" outweighs QT_QPA_PLATFORM.
  static int argc = 3;
  static char name[] = "gauss_sphere";
  static char platformOption[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, platformOption, platform, nullptr};
  // Qt takes the environment's locale for the C library as it starts; Python keeps its own.
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  const QtMessageHandler previous = qInstallMessageHandler(Silent);
  new QGuiApplication(argc, argv);  // NOLINT(cppcoreguidelines-owning-memory): process-long
  qInstallMessageHandler(previous);
  std::setlocale(LC_ALL, locale.c_str());
}

}  // namespace

void DrawMapFigureOver(ImageBuffer& picture, int scale) {
  const PixelRows rows = picture.Rows();
  if (rows.first == nullptr || rows.width <= 0 || rows.height <= 0) return;
  EnsureOffscreenGui();
  // The buffer's words are a Format_RGB32 image's pixels, 0xffRRGGBB: painted in place.
  QImage image(reinterpret_cast<uchar*>(rows.first), rows.width, rows.height,
               static_cast<qsizetype>(rows.stride * sizeof(uint32_t)), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  const FigureFrame frame{image.size(),           scale,        ScaledGradientView(scale),
                          StandaloneFigureFont(), QLocale::c(), 1};
  PaintFigure(painter, frame, FigureContent{});
}
