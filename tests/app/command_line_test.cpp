// The window program's command line, run as a user would: by absolute path from an unrelated
// folder, with no display (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM) and with one.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "qt_test_registry.h"

namespace {

struct Run {
  int status = -1;
  QString out;
  QString err;
};

// Runs the program in `folder` and gives it `waitMs` to end; a program still running then is
// killed and reported with status -1.
Run RunProgram(const QStringList& arguments, const QString& folder, bool display, int waitMs) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  if (display) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.setWorkingDirectory(folder);
  program.start(QStringLiteral(GAUSS_SPHERE_PROGRAM), arguments);
  if (!program.waitForStarted(10000)) qFatal("gauss-sphere did not start");
  Run run;
  if (program.waitForFinished(waitMs) && program.exitStatus() == QProcess::NormalExit) {
    run.status = program.exitCode();
  } else {
    program.kill();
    program.waitForFinished(10000);
  }
  run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(program.readAllStandardError());
  return run;
}

}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void answers_data() {
    QTest::addColumn<bool>("display");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // a line standard output must hold
    QTest::addColumn<QString>("err");  // a line standard error must hold
    const QString tryHelp = QStringLiteral("Try 'gauss-sphere --help'.");
    for (const bool display : {false, true}) {
      const char* where = display ? "display" : "no display";
      const auto row = [&](const char* name) -> QTestData& {
        return QTest::addRow("%s, %s", name, where) << display;
      };
      row("--help") << QStringList{"--help"} << 0 << "Usage: gauss-sphere [options] [FILE]"
                    << "";
      row("-h") << QStringList{"-h"} << 0 << "Usage: gauss-sphere [options] [FILE]"
                << "";
      row("--help-all") << QStringList{"--help-all"} << 0 << "Usage: gauss-sphere [options] [FILE]"
                        << "";
      row("--version") << QStringList{"--version"} << 0 << "gauss-sphere 1.1"
                       << "";
      row("unknown option") << QStringList{"--bogus"} << 2 << ""
                            << "gauss-sphere: Unknown option 'bogus'.";
      row("unknown single-dash word") << QStringList{"-bogus"} << 2 << "" << tryHelp;
      row("a word after the setup file")
          << QStringList{"lecture.gsetup", "extra-word"} << 2 << ""
          << "gauss-sphere: unexpected argument 'extra-word': the program takes one setup file";
      row("extra word after Qt's options")
          << QStringList{"-platform", "offscreen", "-style", "Fusion", "a.gsetup", "picture.png"}
          << 2 << "" << tryHelp;
      row("Qt's option without its value") << QStringList{"-style"} << 2 << ""
                                           << "gauss-sphere: Missing value after '-style'.";
      row("switch given a value") << QStringList{"--reverse=yes"} << 2 << "" << tryHelp;
      row("unknown language") << QStringList{"--language", "de"} << 2 << ""
                              << "gauss-sphere: unknown language 'de': the window speaks ru or en";
      row("language without its value") << QStringList{"--language"} << 2 << ""
                                        << "gauss-sphere: Missing value after '--language'.";
    }
    // Arguments the window takes, but no window can open: the platform's abort becomes a
    // message and status 2.
    const QString noWindow = QStringLiteral(
        "gauss-sphere: the window needs a display: set DISPLAY (X11) or WAYLAND_DISPLAY, or "
        "QT_QPA_PLATFORM=offscreen to run without a screen");
    QTest::newRow("nothing, no display") << false << QStringList{} << 2 << "" << noWindow;
    QTest::newRow("one setup word, no display")
        << false << QStringList{"lecture.gsetup"} << 2 << "" << noWindow;
    QTest::newRow("a platform that does not exist")
        << false << QStringList{"-platform", "nosuch"} << 2 << ""
        << "gauss-sphere: cannot open a window: Could not find the Qt platform plugin \"nosuch\" "
           "in \"\"";
  }

  // Help, version and refusals answer at once, without opening the platform; a platform that
  // cannot open is refused too.
  void answers() {
    QFETCH(bool, display);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const Run run = RunProgram(arguments, elsewhere.path(), display, 30000);
    QCOMPARE(run.status, status);
    const QStringList outLines = run.out.split(u'\n');
    const QStringList errLines = run.err.split(u'\n');
    if (!out.isEmpty()) QVERIFY2(outLines.contains(out), qPrintable(run.out));
    if (!err.isEmpty()) QVERIFY2(errLines.contains(err), qPrintable(run.err));
    if (status == 0) QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    if (status != 0) QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    // The program names itself, never by the path it was started by.
    QVERIFY2(!(run.out + run.err).contains(QStringLiteral(GAUSS_SPHERE_PROGRAM)),
             qPrintable(run.out));
  }

  // Qt's own options pass to Qt: the window opens (and is still open a moment later).
  void qtOptionsOpenTheWindow() {
    const QTemporaryDir elsewhere;
    const Run run = RunProgram(
        {"-platform", "offscreen", "-style", "Fusion", "--reverse", "-qwindowtitle", "x"},
        elsewhere.path(), false, 1500);
    QVERIFY2(run.status == -1, qPrintable(run.err));
  }
};

GAUSS_QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
