#include "app/platform_guard.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler previous = nullptr;
QString firstPlatformWarning;  // the platform's first complaint: the cause of what follows

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool platform = context.category != nullptr && qstrncmp(context.category, "qt.qpa", 6) == 0;
  if (type != QtFatalMsg) {
    if (platform && firstPlatformWarning.isEmpty()) firstPlatformWarning = message.trimmed();
    previous(type, context, message);
    return;
  }
  const QString reason = firstPlatformWarning.isEmpty() ? message.trimmed() : firstPlatformWarning;
  std::fprintf(stderr,
               "gauss-sphere: cannot open a window: %s\n"
               "gauss-sphere: the window needs a display: set DISPLAY (X11) or WAYLAND_DISPLAY, "
               "or QT_QPA_PLATFORM=offscreen to run without a screen\n",
               reason.toLocal8Bit().constData());
  std::fflush(stderr);
  // Not exit(): the application object is half made, and its destructors must not run.
  std::_Exit(2);
}

}  // namespace

PlatformGuard::PlatformGuard() { previous = qInstallMessageHandler(OnMessage); }

PlatformGuard::~PlatformGuard() {
  qInstallMessageHandler(previous);
  firstPlatformWarning.clear();
}
