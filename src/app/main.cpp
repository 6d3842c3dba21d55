// gauss-sphere: the reflectance map of a surface on the Gaussian sphere, in one window.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <csignal>

#include "app/form1.h"
#include "app/qt_translation.h"

namespace {

void DescribeProgram(QCommandLineParser& parser) {
  QCoreApplication::setApplicationName(QStringLiteral("gauss-sphere"));
  QCoreApplication::setApplicationVersion(QStringLiteral(GAUSS_SPHERE_VERSION));
  // Qt's own options are single-dash words (-platform, -stylesheet); read them as words, not as
  // bundles of one-letter options.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "Paints the reflectance map of a surface on the Gaussian sphere in a window."));
  parser.addHelpOption();
  parser.addVersionOption();
}

// --help and --version print and exit before any window, so they need no display.
void AnswerHelpOrVersion(int& argc, char** argv) {
  QCommandLineParser parser;
  DescribeProgram(parser);
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  parser.parse(arguments);  // Qt's options are unknown here; the window's parse checks them
  for (const char* name : {"help", "help-all", "version"}) {
    if (parser.isSet(QString::fromLatin1(name))) {
      const QCoreApplication core(argc, argv);
      parser.process(core);  // prints and exits
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  // Writing a picture may meet a file-size limit or a FIFO whose reader has gone: both are then
  // errors reported in a message (EFBIG, EPIPE), not signals that end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  AnswerHelpOrVersion(argc, argv);
  QApplication app(argc, argv);
  InstallRussianQtTexts(app);
  QGuiApplication::setDesktopFileName(QStringLiteral(GAUSS_SPHERE_APP_ID));
  QCommandLineParser parser;
  DescribeProgram(parser);
  parser.process(app);  // what QApplication left: a wrong option is a message and exit status 1
  Form1 window;
  window.show();
  return QApplication::exec();
}
