// Shows the help window or «О программе» for a look by eye (not a test; built on request):
//   help_preview PAGE [ANCHOR]   the help window at PAGE#ANCHOR
//   help_preview --about         «О программе»

#include <QApplication>

#include "app/help/about_dialog.h"
#include "app/help/help_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments().mid(1);
  if (args.value(0) == u"--about") {
    AboutDialog about;
    about.show();
    return QApplication::exec();
  }
  HelpWindow help;
  help.ShowPage(args.value(0), args.value(1));
  return QApplication::exec();
}
