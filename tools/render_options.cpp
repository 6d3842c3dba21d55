#include "render_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>

#include "curve_options.h"
#include "figure_options.h"
#include "input_error_text.h"
#include "law_options.h"
#include "law_usage.h"
#include "mode_table.h"
#include "option_modes.h"
#include "recover_tool.h"
#include "render_option_table.h"
#include "setup_options.h"
#include "surface_options.h"

namespace {

constexpr const char* kProgram = "gauss-sphere-render";

// --plain paints no bands: the options that shape them would be dropped, and a setup cannot
// hold it (contour lines a setup brings are left out by LeaveOutSetupOverlays).
OptionValueError CheckPlain(const RenderJob& job) {
  if (!job.plain) return std::nullopt;
  for (const char* name : {"levels", "half-widths", "grey", "contour-lines", "write-setup"}) {
    if (OptionGiven(job, name)) {
      return "--plain paints the grey tone alone, without bands or a setup: leave out --" +
             std::string(name);
    }
  }
  return std::nullopt;
}

// The usage text's own words, besides the options' descriptions; each is a source text of the
// Russian translation.
constexpr const char* kDescription =
    "Paints the picture of one press of the shade button on a freshly started window and "
    "writes it as binary PPM (P6), PNG or BMP, or as an SVG or PDF figure, chosen by the file's "
    "extension or by --format, to a file or to standard output; or prints what the picture shows "
    "at one pixel. Numbers "
    "use \".\" as decimal separator.";
constexpr const char* kUsageLines =
    "Usage: %1 [options] -o FILE(.ppm|.png|.bmp|.svg|.pdf)\n"
    "  or:  %1 [options] [--format ppm|png|bmp|svg|pdf] -o FILE|-\n"
    "  or:  %1 [options] --readout X,Y";
constexpr const char* kOptionsHeading = "Options:";
constexpr const char* kHelpText = "Displays help on commandline options.";
constexpr const char* kHelpAllText = "Displays help including Qt specific options.";
constexpr const char* kVersionText = "Displays version information.";
constexpr const char* kExitStatus =
    "Exit status: 0 when the picture is written or the readout printed, 2 on a bad option or one "
    "that does not apply to the run (the message names the option it does not go with), a "
    "bad number, a readout pixel outside the picture, an output file of no known format, a "
    "folder of --images that does not read (nothing is written then) or a failed write (a full "
    "disk, a quota, a file-size limit, an I/O error: the message names "
    "the file and the reason, and a regular file keeps its old bytes).\n";

// The parser with every option, described in `language`.
void DeclareOptions(QCommandLineParser& parser, UsageLanguage language) {
  const auto text = [language](const char* source) { return UsageText(source, language); };
  parser.setApplicationDescription(text(kDescription));
  for (const ValueOption& option : ValueOptions()) {
    QStringList names = {QString::fromLatin1(option.name)};
    if (names.front() == u"o") names.append(QStringLiteral("output"));
    const QString description =
        option.describe != nullptr ? option.describe(language) : text(option.description);
    parser.addOption(QCommandLineOption(names, description, QString::fromLatin1(option.valueName)));
  }
  for (const FlagOption& flag : FlagOptions()) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(flag.name), text(flag.description)));
  }
  // Qt's own help and version options, declared here so that their descriptions translate too.
  parser.addOption(
      QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, text(kHelpText)));
  parser.addOption(QCommandLineOption(QStringLiteral("help-all"), text(kHelpAllText)));
  parser.addOption(
      QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, text(kVersionText)));
}

}  // namespace

ParsedCommandLine ParseRenderOptions(const std::vector<std::string_view>& args) {
  QStringList arguments = {QString::fromLatin1(kProgram)};
  for (const std::string_view arg : args) {
    arguments.append(QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size())));
  }
  QCommandLineParser parser;
  DeclareOptions(parser, UsageLanguage::kEnglish);
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    return HelpRequest{UsageLanguageNamed(parser.value(QStringLiteral("language")).toStdString())
                           .value_or(UsageLanguage::kEnglish)};
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
  for (const ValueOption& option : ValueOptions()) {
    if (parser.isSet(QString::fromLatin1(option.name))) job.givenOptions.emplace_back(option.name);
  }
  for (const FlagOption& flag : FlagOptions()) {
    if (parser.isSet(QString::fromLatin1(flag.name))) job.givenOptions.emplace_back(flag.name);
  }
  if (!NeedsGlossParameters(job.reflectanceKind)) {
    for (const char* name : {"s", "n"}) {
      if (parser.isSet(QString::fromLatin1(name)))
        job.ignoredGlossOptions.push_back("--" + std::string(name));
    }
  }
  LeaveOutSetupOverlays(job);
  if (OptionValueError error = CheckPlain(job)) return OptionError{*error};
  job.mode = DecideMode(job);
  job.scene = DecideScene(job);
  if (job.mode != Mode::kListSurfaces && job.mode != Mode::kBallLights) {
    if (OptionValueError error = ResolveSurface(job)) return OptionError{*error};
    if (OptionValueError error = CheckFigureOptions(job)) return OptionError{*error};
    ScaleDefaultSize(job);
    if (OptionValueError error = ResolveLaw(job)) return OptionError{*error};
    if (!PaintsSurfaceFile(job)) {
      if (OptionValueError error = CheckReadoutPixel(job)) return OptionError{*error};
    }
    if (OptionValueError error = ResolveRecover(job)) return OptionError{*error};
    if (OptionValueError error = ModeRowOf(job.mode).resolve(job)) return OptionError{*error};
  }
  // Last, so that the modes' own messages come first; a mode chosen with another mode's option,
  // or an option that does nothing in the mode, is refused here.
  if (OptionValueError error = CheckOptionModes(job)) return OptionError{*error};
  return job;
}

std::string RenderUsage(UsageLanguage language) {
  const auto translated = [language](const char* source) { return UsageText(source, language); };
  QCommandLineParser parser;
  DeclareOptions(parser, language);
  QString text = parser.helpText();
  // Qt names the program by how it was started; the usage line names it by its own name.
  const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
  text.replace(0, lineEnd, translated(kUsageLines).arg(QLatin1String(kProgram)));
  // Qt shows one-letter names with one dash; --s and --n are the documented forms (both read).
  for (const char* name : {"s", "n"}) {
    text.replace(QStringLiteral("  -%1 <TEXT> ").arg(QLatin1String(name)),
                 QStringLiteral("  --%1 <TEXT>").arg(QLatin1String(name)));
  }
  // Qt's heading of the option list.
  text.replace(QStringLiteral("\nOptions:\n"),
               QStringLiteral("\n%1\n").arg(translated(kOptionsHeading)));
  text += QLatin1Char('\n') + translated(kExitStatus);
  return text.toStdString();
}

std::vector<const char*> UsageSourceTexts() {
  std::vector<const char*> texts = {kDescription, kUsageLines,  kOptionsHeading, kHelpText,
                                    kHelpAllText, kVersionText, kExitStatus};
  for (const ValueOption& option : ValueOptions()) {
    if (option.description != nullptr) texts.push_back(option.description);
  }
  for (const char* text : LawUsageSourceTexts()) texts.push_back(text);
  for (const FlagOption& flag : FlagOptions()) texts.push_back(flag.description);
  return texts;
}

std::string RenderVersion() {
  return QStringLiteral("%1 %2")
      .arg(QLatin1String(kProgram), QLatin1String(GAUSS_SPHERE_VERSION))
      .toStdString();
}
