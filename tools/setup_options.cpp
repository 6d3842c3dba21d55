#include "setup_options.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <charconv>
#include <variant>

#include "fileio/whole_file.h"
#include "input_error_text.h"
#include "message_language.h"
#include "model/backgrounds.h"
#include "option_modes.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "setup/setup_file.h"
#include "surface/surface_catalogue.h"

namespace {

// The fewest digits that read back to `value`, in the C format the options are read in.
std::string CText(double value) {
  std::array<char, 32> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return std::string(digits.data(), written.ptr);
}

std::string NameOf(std::string_view parameterText) {
  return std::string(parameterText.substr(0, parameterText.find('=')));
}

// The setup's law as --param texts (and L=mcewen), in its catalogue's or formula's order.
std::vector<std::string> SetupLawTexts(const Setup& setup) {
  std::vector<std::string> texts;
  const int32_t kind = setup.sphere.reflectanceKind;
  if (kind == kFormula) {
    for (const FormulaParameterSetup& parameter : setup.law.formula.parameters) {
      texts.push_back(parameter.name + "=" + CText(parameter.value));
    }
  } else if (const LawEntry* law = FindLaw(kind)) {
    for (size_t k = 0; k < law->parameters.size(); ++k) {
      const bool mcEwen =
          kind == kLunarLambert && k == kLunarLambertL && setup.law.lunarLambertMcEwen;
      texts.push_back(std::string(law->parameters[k].name) + "=" +
                      (mcEwen ? std::string("mcewen") : CText(setup.law.parameters[k])));
    }
  }
  return texts;
}

std::optional<double> Number(const std::string& text) {
  const NumberReading<double> reading = ReadDouble(text, CNumberFormat());
  return reading.Ok() ? std::optional<double>(reading.value) : std::nullopt;
}

std::string BackgroundName(Rgb colour) {
  for (const NamedBackground& background : kBackgrounds) {
    if (background.colour == colour) return std::string(background.name);
  }
  return std::string(kBackgrounds.front().name);
}

// The surface of the job, as «Поверхность» would hold it.
OptionValueError SurfaceOfJob(const SurfaceJob& job, SurfaceSetup& surface) {
  const int width = job.width == 0 ? kDefaultSurfaceSide : job.width;
  const int height = job.height == 0 ? kDefaultSurfaceSide : job.height;
  if (const SurfaceKind* kind = FindSurfaceKind(job.name)) {
    if (width < kMinSurfaceWindowSide || width > kMaxSurfaceWindowSide ||
        height < kMinSurfaceWindowSide || height > kMaxSurfaceWindowSide) {
      return "--write-setup: the window's surface is " + std::to_string(kMinSurfaceWindowSide) +
             " to " + std::to_string(kMaxSurfaceWindowSide) + " cells a side";
    }
    surface.kind = kind->name;
    surface.parameters = job.parameters;
    surface.width = width;
    surface.height = height;
  } else {
    surface.elevationPath =
        QFileInfo(QString::fromStdString(job.name)).absoluteFilePath().toStdString();
  }
  surface.heightScale = job.heightScale;
  surface.castShadows = job.castShadows;
  if (!job.albedoPath.empty()) {
    surface.albedoPath =
        QFileInfo(QString::fromStdString(job.albedoPath)).absoluteFilePath().toStdString();
  }
  return std::nullopt;
}

// The aims of the sources a setup's map uses, in order.
std::vector<LightAim> UsedSources(const MapSetup& map) {
  std::vector<LightAim> aims;
  for (const SourceSetup& source : map.sources) {
    if (source.used) aims.push_back({source.slant, source.tilt});
  }
  return aims;
}

bool SameAims(const std::vector<LightAim>& one, const std::vector<LightAim>& other) {
  return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                    [](const LightAim& a, const LightAim& b) {
                      return a.slantDegrees == b.slantDegrees && a.tiltDegrees == b.tiltDegrees;
                    });
}

}  // namespace

OptionValueError StartFromSetup(std::string_view path, RenderJob& job) {
  const SetupSaidOutcome outcome =
      ReadSetupFileSaid(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
  if (const auto* refusal = std::get_if<Message>(&outcome)) return RendererText(*refusal);
  const SetupReading& reading = std::get<SetupReading>(outcome);
  const Setup& setup = reading.setup;
  if (!reading.unknownKeys.isEmpty()) {
    job.setupWarning = "warning: --setup " + QuotedText(path) +
                       ": keys of a newer version left out: " +
                       reading.unknownKeys.join(QStringLiteral(", ")).toStdString();
  }
  const SphereSetup& sphere = setup.sphere;
  job.inputs = {CText(sphere.rotX),  CText(sphere.rotY),   CText(sphere.rotZ),
                CText(sphere.slant), CText(sphere.glossS), CText(sphere.glossN)};
  job.reflectanceKind = sphere.reflectanceKind;
  job.isoLevel = sphere.isoLevel;
  job.isoHalfWidth = sphere.isoHalfWidth;
  job.colourIsolines = sphere.colourIsolines;
  job.halfSphere = sphere.halfSphere;
  job.smooth = sphere.smoothing;
  job.exposure = setup.picture.exposure;
  job.autoExposure = setup.picture.autoExposure;
  job.background = BackgroundNamed(setup.picture.background).value_or(job.background);
  job.overlay = {setup.picture.outline, setup.picture.sourceMark, setup.picture.contourLines,
                 setup.picture.lineWidth};
  job.setup = setup;
  return std::nullopt;
}

void MergeSetup(RenderJob& job, bool functionGiven, bool formulaGiven) {
  if (!job.setup) return;
  const Setup& setup = *job.setup;
  if (!functionGiven) {
    std::vector<std::string> texts;
    for (const std::string& text : SetupLawTexts(setup)) {
      const bool given =
          std::any_of(job.lawParameterTexts.begin(), job.lawParameterTexts.end(),
                      [&](const std::string& other) { return NameOf(other) == NameOf(text); });
      if (!given) texts.push_back(text);
    }
    texts.insert(texts.end(), job.lawParameterTexts.begin(), job.lawParameterTexts.end());
    job.lawParameterTexts = std::move(texts);
    if (!formulaGiven && setup.sphere.reflectanceKind == kFormula) {
      job.formulaText = setup.law.formula.text;
    }
  }
  if ((job.gradientSpace || job.surface) && job.extraSources.empty()) {
    job.extraSources = UsedSources(setup.map);
  }
  if (job.gradientSpace) job.litByAll = job.litByAll || setup.map.litByAll;
}

void LeaveOutSetupOverlays(RenderJob& job) {
  if (!job.setup) return;
  const bool sphere = !job.gradientSpace && !job.surface;
  const auto leaveOut = [&job](const char* name, bool& field) {
    if (!OptionGiven(job, name)) field = false;
  };
  if (!sphere) {
    leaveOut("outline", job.overlay.outline);
    leaveOut("source-mark", job.overlay.sourceMark);
  }
  if (job.surface || job.plain) leaveOut("contour-lines", job.overlay.contourLines);
}

OptionValueError WriteJobSetup(const RenderJob& job) {
  // What --setup read, with what the options name put over it: nothing the options leave
  // alone is lost, and a setup written again without options is the same file.
  Setup setup = job.setup.value_or(Setup{});
  SphereSetup& sphere = setup.sphere;
  const std::pair<const std::string*, double*> boxes[] = {
      {&job.inputs.rotX, &sphere.rotX},     {&job.inputs.rotY, &sphere.rotY},
      {&job.inputs.rotZ, &sphere.rotZ},     {&job.inputs.slant, &sphere.slant},
      {&job.inputs.glossS, &sphere.glossS}, {&job.inputs.glossN, &sphere.glossN}};
  for (const auto& [text, value] : boxes) {
    const std::optional<double> number = Number(*text);
    if (!number) return "--write-setup: " + *text + " does not read as a number";
    *value = *number;
  }
  sphere.reflectanceKind = job.reflectanceKind;
  if (job.isoLevel) sphere.isoLevel = *job.isoLevel;
  if (job.isoHalfWidth) sphere.isoHalfWidth = *job.isoHalfWidth;
  sphere.colourIsolines = job.colourIsolines;
  sphere.halfSphere = job.halfSphere;
  sphere.smoothing = job.smooth;
  const LawSetup read = setup.law;
  setup.law.parameters = {};
  setup.law.lunarLambertMcEwen = false;
  if (IsAdditionalLaw(job.reflectanceKind)) {
    setup.law.parameters = job.law.parameters;
    setup.law.lunarLambertMcEwen = job.law.lunarLambertMcEwen;
  }
  // L=mcewen holds no number: the L the setup held beside it stays.
  if (job.reflectanceKind == kLunarLambert && job.law.lunarLambertMcEwen && job.setup &&
      job.setup->sphere.reflectanceKind == kLunarLambert && read.lunarLambertMcEwen) {
    setup.law.parameters[kLunarLambertL] = read.parameters[kLunarLambertL];
  }
  // A formula the setup held beside another function stays unless the options give one.
  if (job.law.formula) {
    const std::vector<std::string>& names = job.law.formula->ParameterNames();
    setup.law.formula = {job.law.formula->Text(), {}};
    for (size_t k = 0; k < names.size(); ++k) {
      setup.law.formula.parameters.push_back({names[k], job.law.parameters[k]});
    }
  }
  PictureSetup& picture = setup.picture;
  picture.exposure = job.exposure;
  picture.autoExposure = job.autoExposure;
  picture.background = BackgroundName(job.background);
  // The switches a scene cannot draw were left out of the job (LeaveOutSetupOverlays), not of the
  // setup: the setup keeps its own unless the options set them.
  const std::pair<const char*, std::pair<bool*, bool>> switches[] = {
      {"contour-lines", {&picture.contourLines, job.overlay.contourLines}},
      {"outline", {&picture.outline, job.overlay.outline}},
      {"source-mark", {&picture.sourceMark, job.overlay.sourceMark}}};
  for (const auto& [name, field] : switches) {
    if (!job.setup || OptionGiven(job, name)) *field.first = field.second;
  }
  picture.lineWidth = job.overlay.lineWidth;
  // --light replaces the sources used; without it (or with the setup's own) they stay as read,
  // the unused ones' aims included.
  if (!job.extraSources.empty() && !SameAims(job.extraSources, UsedSources(setup.map))) {
    for (size_t k = setup.map.sources.size(); k < job.extraSources.size(); ++k) {
      setup.map.sources.push_back(kStartExtraSources.at(k));
    }
    for (size_t k = 0; k < setup.map.sources.size(); ++k) {
      SourceSetup& source = setup.map.sources[k];
      source.used = k < job.extraSources.size();
      if (source.used) {
        source.slant = job.extraSources[k].slantDegrees;
        source.tilt = job.extraSources[k].tiltDegrees;
      }
    }
  }
  setup.map.litByAll = setup.map.litByAll || job.litByAll;
  setup.windows.map = setup.windows.map || job.gradientSpace;
  if (job.surface) {
    SurfaceSetup surface;
    if (OptionValueError error = SurfaceOfJob(*job.surface, surface)) return error;
    setup.surface = surface;
    setup.windows.surface = true;
  }
  const QByteArray bytes = WriteSetup(setup);
  const QString path = QString::fromStdString(job.writeSetupPath);
  if (const std::optional<WriteFailure> failure = WriteWholeFile(
          path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
    return "cannot write the setup " + QuotedText(job.writeSetupPath) + ": " +
           SystemReason(*failure).toStdString();
  }
  return std::nullopt;
}
