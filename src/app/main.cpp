// gauss-sphere: the reflectance map of a surface on the Gaussian sphere, in one window.

#include <QApplication>
#include <csignal>
#include <optional>

#include "app/command_line.h"
#include "app/common/companion_placement.h"
#include "app/language/language.h"
#include "app/main_window.h"
#include "app/platform_guard.h"
#include "pass/heap_pages.h"

int main(int argc, char* argv[]) {
  KeepFreedHeapPages();
  // Writing a picture may meet a file-size limit or a FIFO whose reader has gone: both are then
  // errors reported in a message (EFBIG, EPIPE), not signals that end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  // Before QApplication: a wrong option must not reach the platform, which aborts without one.
  QString setupFile;
  std::optional<Language> language;
  if (const std::optional<int> status = AnswerCommandLine(argc, argv, setupFile, language)) {
    return *status;
  }
  std::optional<PlatformGuard> guard(std::in_place);  // no window can open: a message, status 2
  const bool placeMain = !AsksWindowGeometry(argc, argv);  // before Qt takes its options out
  QApplication app(argc, argv);
  guard.reset();
  QCoreApplication::setApplicationName(QStringLiteral("gauss-sphere"));
  QCoreApplication::setApplicationVersion(QStringLiteral(GAUSS_SPHERE_VERSION));
  UseLanguage(language.value_or(RememberedLanguage()));
  QGuiApplication::setDesktopFileName(QStringLiteral(GAUSS_SPHERE_APP_ID));
  MainWindow window;
  // At the top-left of the screen, where the windows beside it find the most room, unless the
  // command line places it.
  if (placeMain) CompanionPlacement::AtTopLeft(window);
  window.show();
  // A setup that does not open is said in a box over the window, which opens as it starts.
  if (!setupFile.isEmpty()) window.OpenSetup(setupFile);
  return QApplication::exec();
}
