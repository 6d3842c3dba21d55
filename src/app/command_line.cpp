#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {

// The name in the usage line and the messages, whatever path the program was started by.
constexpr const char* kProgram = "gauss-sphere";
constexpr const char* kLanguageOption = "language";

// Options QGuiApplication, QApplication and the X11 platform plug-in take out of argv; --help-all
// lists them.
struct QtOption {
  const char* name;
  const char* valueName;  // nullptr: a switch
  const char* description;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "name", "Qt platform plug-in: xcb, wayland, offscreen, ..."},
    {"platformpluginpath", "path", "Folder of Qt platform plug-ins."},
    {"platformtheme", "name", "Qt platform theme."},
    {"plugin", "name", "Qt generic plug-in to load."},
    {"qmljsdebugger", "settings", "Settings of Qt's QML debugger."},
    {"qwindowgeometry", "geometry", "Geometry of the main window, e.g. 713x505+0+0."},
    {"geometry", "geometry", "Same as --qwindowgeometry (X11)."},
    {"qwindowicon", "file", "Icon of the main window."},
    {"icon", "file", "Same as --qwindowicon (X11)."},
    {"qwindowtitle", "title", "Title of the main window."},
    {"title", "title", "Same as --qwindowtitle (X11)."},
    {"reverse", nullptr, "Lays the window out right to left."},
    {"session", "id", "Session to restore."},
    {"display", "display", "X11 display to open."},
    {"name", "name", "X11 resource name."},
    {"visual", "id", "X11 visual."},
    {"nograb", nullptr, "Never grab the mouse or the keyboard (X11)."},
    {"dograb", nullptr, "Grab even under a debugger (X11)."},
    {"style", "style", "Widget style: Fusion, Windows, ..."},
    {"stylesheet", "file", "Qt style sheet for the window."},
    {"widgetcount", nullptr, "Prints the number of widgets left at exit."},
};

void DescribeOptions(QCommandLineParser& parser, bool listQtOptions) {
  // Qt's options are single-dash words (-platform, -style): read them as words, not as
  // bundles of one-letter options.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "Paints the reflectance map of a surface on the Gaussian sphere in a window."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("A setup file (.gsetup) to open at start."),
                               QStringLiteral("[FILE]"));
  parser.addOption(QCommandLineOption(
      QLatin1String(kLanguageOption),
      QStringLiteral("Language of the window: ru (Russian) or en (English); by default the one "
                     "chosen last, Russian at the first start."),
      QStringLiteral("ru|en")));
  for (const QtOption& option : kQtOptions) {
    QCommandLineOption qtOption(QString::fromLatin1(option.name),
                                QString::fromLatin1(option.description),
                                QString::fromLatin1(option.valueName));
    if (!listQtOptions) qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qtOption);
  }
}

// Qt's usage line names the program "<executable_name>" before an application object exists.
QString HelpText(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  const qsizetype nameStart = text.indexOf(QLatin1Char(' ')) + 1;
  const qsizetype nameEnd = text.indexOf(QLatin1Char(' '), nameStart);
  text.replace(nameStart, nameEnd - nameStart, QLatin1String(kProgram));
  return text + QStringLiteral(
                    "\nExit status: 0 when the window is closed, 2 on a wrong option, more than "
                    "one file, or when no window can open (no display).\n");
}

int Print(std::FILE* stream, const QString& text, int status) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  return status;
}

int Refuse(const QString& reason) {
  return Print(
      stderr, QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(QLatin1String(kProgram), reason), 2);
}

}  // namespace

bool AsksWindowGeometry(int argc, const char* const* argv) {
  QStringList arguments = {QLatin1String(kProgram)};
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  DescribeOptions(parser, false);
  parser.parse(arguments);
  return parser.isSet(QStringLiteral("geometry")) ||
         parser.isSet(QStringLiteral("qwindowgeometry"));
}

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, QString& setupFile,
                                     std::optional<Language>& language) {
  QStringList arguments = {QLatin1String(kProgram)};
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  DescribeOptions(parser, false);
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(QStringLiteral("help"))) return Print(stdout, HelpText(parser), 0);
  if (parser.isSet(QStringLiteral("help-all"))) {
    QCommandLineParser all;
    DescribeOptions(all, true);
    return Print(stdout, HelpText(all), 0);
  }
  if (!parsed) return Refuse(parser.errorText());
  if (parser.isSet(QStringLiteral("version"))) {
    return Print(stdout,
                 QStringLiteral("%1 %2\n").arg(QLatin1String(kProgram),
                                               QStringLiteral(GAUSS_SPHERE_VERSION)),
                 0);
  }
  const QStringList words = parser.positionalArguments();
  if (words.size() > 1) {
    return Refuse(QStringLiteral("unexpected argument '%1': the program takes one setup file")
                      .arg(words.at(1)));
  }
  if (parser.isSet(QLatin1String(kLanguageOption))) {
    const QString name = parser.value(QLatin1String(kLanguageOption));
    language = LanguageNamed(name);
    if (!language) {
      return Refuse(QStringLiteral("unknown language '%1': the window speaks ru or en").arg(name));
    }
  }
  setupFile = words.isEmpty() ? QString() : words.constFirst();
  return std::nullopt;
}
