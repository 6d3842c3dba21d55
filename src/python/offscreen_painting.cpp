#include "offscreen_painting.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdint>
#include <string>

namespace {

// Qt's start-up chatter concerns a display the module never opens.
void Silent(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& /*text*/) {}

}  // namespace

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

QImage PictureImage(ImageBuffer& picture, int scale) {
  const PixelRows rows = picture.Rows();
  if (rows.first == nullptr || rows.width <= 0 || rows.height <= 0) return {};
  // The buffer's words are a Format_RGB32 image's pixels, 0xffRRGGBB: painted in place.
  QImage image(reinterpret_cast<uchar*>(rows.first), rows.width, rows.height,
               static_cast<qsizetype>(rows.stride * sizeof(uint32_t)), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  return image;
}
