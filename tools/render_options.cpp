#include "render_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>

#include "compare_tool.h"
#include "curve_options.h"
#include "figure_options.h"
#include "input_error_text.h"
#include "law_options.h"
#include "recover_tool.h"
#include "render_option_table.h"
#include "setup_options.h"
#include "surface_options.h"
#include "sweep_tool.h"

namespace {

constexpr const char* kProgram = "gauss-sphere-render";

// The options the gradient-space map ignores, in the order of the usage text.
constexpr const char* kIgnoredByGradientSpace[] = {"rot-x", "rot-y", "rot-z", "whole-sphere"};

// The parser with every option; help and version are Qt's.
void DeclareOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral(
      "Paints the picture of one press of the shade button on a freshly started window and "
      "writes it as binary PPM (P6), PNG or BMP, or as an SVG or PDF figure, chosen by the file's "
      "extension or by --format, to a file or to standard output; or prints what the picture shows "
      "at one pixel. Numbers "
      "use \".\" as decimal separator."));
  for (const ValueOption& option : ValueOptions()) {
    QStringList names = {QString::fromLatin1(option.name)};
    if (names.front() == u"o") names.append(QStringLiteral("output"));
    parser.addOption(QCommandLineOption(names, QString::fromLatin1(option.description),
                                        QString::fromLatin1(option.valueName)));
  }
  for (const FlagOption& flag : FlagOptions()) {
    parser.addOption(
        QCommandLineOption(QString::fromLatin1(flag.name), QString::fromLatin1(flag.description)));
  }
  parser.addHelpOption();
  parser.addVersionOption();
}

}  // namespace

ParsedCommandLine ParseRenderOptions(const std::vector<std::string_view>& args) {
  QStringList arguments = {QString::fromLatin1(kProgram)};
  for (const std::string_view arg : args) {
    arguments.append(QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size())));
  }
  QCommandLineParser parser;
  DeclareOptions(parser);
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    return HelpRequest{};
  }
  if (!parsed) return OptionError{parser.errorText().toStdString()};
  if (parser.isSet(QStringLiteral("version"))) return VersionRequest{};
  if (!parser.positionalArguments().isEmpty()) {
    return OptionError{"unexpected argument " +
                       QuotedText(parser.positionalArguments().first().toStdString())};
  }

  RenderJob job;
  if (parser.isSet(QStringLiteral("setup"))) {
    if (OptionValueError error =
            StartFromSetup(parser.value(QStringLiteral("setup")).toStdString(), job)) {
      return OptionError{"--setup: " + *error};
    }
  }
  for (const ValueOption& option : ValueOptions()) {
    const QString name = QString::fromLatin1(option.name);
    if (!parser.isSet(name)) continue;
    // --param and --light are repeatable; of any other option the last occurrence holds.
    const QStringList values = name == u"param" || name == u"light" || name == u"surface-param"
                                   ? parser.values(name)
                                   : QStringList{parser.value(name)};
    for (const QString& value : values) {
      if (OptionValueError error = option.apply(value.toStdString(), job))
        return OptionError{*error};
    }
  }
  for (const FlagOption& flag : FlagOptions()) {
    if (parser.isSet(QString::fromLatin1(flag.name))) flag.field(job) = flag.value;
  }
  MergeSetup(job, parser.isSet(QStringLiteral("function")),
             parser.isSet(QStringLiteral("formula")));
  if (job.gradientSpace) {
    for (const char* name : kIgnoredByGradientSpace) {
      if (parser.isSet(QString::fromLatin1(name)))
        job.ignoredOptions.push_back("--" + std::string(name));
    }
  }
  if (!NeedsGlossParameters(job.reflectanceKind)) {
    for (const char* name : {"s", "n"}) {
      if (parser.isSet(QString::fromLatin1(name)))
        job.ignoredGlossOptions.push_back("--" + std::string(name));
    }
  }
  if (job.listSurfaces) return job;
  if (OptionValueError error = ResolveSurface(job)) return OptionError{*error};
  if (OptionValueError error = CheckFigureOptions(job)) return OptionError{*error};
  ScaleDefaultSize(job);
  if (OptionValueError error = ResolveLaw(job)) return OptionError{*error};
  if (!PaintsSurfaceFile(job)) {
    if (OptionValueError error = CheckReadoutPixel(job)) return OptionError{*error};
  }
  if (job.recover) {
    if (OptionValueError error = ResolveRecover(job)) return OptionError{*error};
    return job;
  }
  if (job.sweep) {
    if (OptionValueError error = ResolveSweep(job)) return OptionError{*error};
    return job;
  }
  if (WritesCurve(job)) {
    if (job.outputPath.empty())
      return OptionError{"a curve needs -o FILE.csv, FILE.png or FILE.svg"};
    if (OptionValueError error = ResolveCurve(job)) return OptionError{*error};
    return job;
  }
  if (OptionValueError error = ResolveOutputFormat(job)) return OptionError{*error};
  if (!job.readout && job.outputPath.empty() && job.writeSetupPath.empty()) {
    return OptionError{
        "no output file: give -o FILE.ppm, -o FILE.png, -o FILE.bmp, -o FILE.svg, -o FILE.pdf or "
        "-o - (standard output), or --readout X,Y"};
  }
  return job;
}

std::string RenderUsage() {
  QCommandLineParser parser;
  DeclareOptions(parser);
  QString text = parser.helpText();
  // Qt names the program by how it was started; the usage line names it by its own name.
  const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
  text.replace(0, lineEnd,
               QStringLiteral("Usage: %1 [options] -o FILE(.ppm|.png|.bmp|.svg|.pdf)\n"
                              "  or:  %1 [options] [--format ppm|png|bmp|svg|pdf] -o FILE|-\n"
                              "  or:  %1 [options] --readout X,Y")
                   .arg(QLatin1String(kProgram)));
  // Qt shows one-letter names with one dash; --s and --n are the documented forms (both read).
  for (const char* name : {"s", "n"}) {
    text.replace(QStringLiteral("  -%1 <TEXT> ").arg(QLatin1String(name)),
                 QStringLiteral("  --%1 <TEXT>").arg(QLatin1String(name)));
  }
  text += QStringLiteral(
      "\nExit status: 0 when the picture is written or the readout printed, 2 on a bad option, a "
      "bad number, a readout pixel outside the picture, an output file of no known format, a "
      "folder of --images that does not read (nothing is written then) or a failed write (a full "
      "disk, a quota, a file-size limit, an I/O error: the message names "
      "the file and the reason, and a regular file keeps its old bytes).\n");
  return text.toStdString();
}

std::string RenderVersion() {
  return QStringLiteral("%1 %2")
      .arg(QLatin1String(kProgram), QLatin1String(GAUSS_SPHERE_VERSION))
      .toStdString();
}
