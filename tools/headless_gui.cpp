#include "headless_gui.h"

#include <QApplication>
#include <QtGlobal>
#include <clocale>
#include <string>

#include "message_language.h"

namespace {

// What Qt says as it starts (that XDG_RUNTIME_DIR is not set, say) concerns a display the
// renderer never opens.
void Silent(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& /*text*/) {}

}  // namespace

void EnsureHeadlessGui() {
  if (QCoreApplication::instance() != nullptr) return;
  // QApplication (Qt Charts draws its plots through widgets' graphics view) keeps argc and argv
  // for its life; "-platform" outweighs QT_QPA_PLATFORM.
  static int argc = 3;
  static char name[] = "gauss-sphere-render";
  static char platformOption[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, platformOption, platform, nullptr};
  // Qt takes the environment's locale for the C library as it starts; the renderer's texts keep
  // the locale they had.
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  const QtMessageHandler previous = qInstallMessageHandler(Silent);
  // Never deleted: the fonts it loads may be needed until the process ends.
  new QApplication(argc, argv);  // NOLINT(cppcoreguidelines-owning-memory)
  qInstallMessageHandler(previous);
  std::setlocale(LC_ALL, locale.c_str());
  InstallMessageLanguage();
}
