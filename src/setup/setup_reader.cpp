// ReadSetup and ReadSetupFile (setup_file.h): the whole file checked into a Setup before the
// caller uses any of it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

#include "gradient/gradient_view.h"
#include "intake/law_texts.h"
#include "model/backgrounds.h"
#include "overlay/overlay_marks.h"
#include "pass/exposure.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "setup/setup_file.h"
#include "setup/setup_names.h"
#include "setup/setup_sections.h"
#include "surface/surface_catalogue.h"

namespace {

// The map's centre may lie this far from the origin, in units of p and q.
constexpr double kMaxMapCentre = 1.0e6;

QString ParseReason(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::UnterminatedObject:
      return QStringLiteral("объект {…} не закрыт (файл обрезан?)");
    case QJsonParseError::UnterminatedArray:
      return QStringLiteral("список […] не закрыт (файл обрезан?)");
    case QJsonParseError::UnterminatedString:
      return QStringLiteral("строка не закрыта кавычкой");
    case QJsonParseError::MissingNameSeparator:
      return QStringLiteral("после ключа нет двоеточия");
    case QJsonParseError::MissingValueSeparator:
      return QStringLiteral("между значениями нет запятой");
    case QJsonParseError::IllegalNumber:
      return QStringLiteral("число не читается или вне допустимых пределов");
    case QJsonParseError::MissingObject:
      return QStringLiteral("файл не начинается с объекта {…}");
    case QJsonParseError::GarbageAtEnd:
      return QStringLiteral("лишний текст после объекта");
    default:
      return QStringLiteral("это не текст JSON");
  }
}

// The last key written before `offset`, to say where a file stops reading.
QString KeyBefore(const QByteArray& bytes, int offset) {
  static const QRegularExpression kKey(QStringLiteral("\"([^\"\\\\]{1,64})\"\\s*:"));
  const QString text = QString::fromUtf8(bytes.left(offset));
  QString last;
  for (auto match = kKey.globalMatch(text); match.hasNext();) last = match.next().captured(1);
  return last;
}

void ReadSphere(SetupSection& root, SphereSetup& sphere) {
  const std::optional<QJsonObject> json = root.Object("sphere");
  if (!json) return;
  SetupSection section(*json, root.KeyName(QStringLiteral("sphere")), root.Findings());
  section.Angle("rotX", sphere.rotX);
  section.Angle("rotY", sphere.rotY);
  section.Angle("rotZ", sphere.rotZ);
  section.Angle("slant", sphere.slant);
  std::string function = FunctionName(sphere.reflectanceKind);
  section.Text("function", function);
  if (const std::optional<int32_t> kind = FunctionNamed(function)) {
    sphere.reflectanceKind = *kind;
  } else {
    section.Fail(QStringLiteral("function"),
                 QStringLiteral("нет функции «%1»").arg(QString::fromStdString(function)));
  }
  section.Number("s", sphere.glossS);
  section.Number("n", sphere.glossN);
  section.Floats("levels", sphere.isoLevel);
  section.Floats("halfWidths", sphere.isoHalfWidth);
  section.Bool("colourIsolines", sphere.colourIsolines);
  section.Bool("halfSphere", sphere.halfSphere);
  section.Bool("smoothing", sphere.smoothing);
}

// The chosen law's parameters by name: a name the law does not have is a fault, not a key to
// leave out, since the value meant for it would be lost without a word.
void ReadLawParameters(SetupSection& law, int32_t kind, LawSetup& setup) {
  const std::optional<QJsonObject> json = law.Object("parameters");
  if (!json) return;
  SetupSection section(*json, law.KeyName(QStringLiteral("parameters")), law.Findings());
  section.KnowAll();
  const LawEntry* entry = kind == kFormula ? nullptr : FindLaw(kind);
  for (auto it = json->begin(); it != json->end() && !section.Failed(); ++it) {
    const std::optional<int> index =
        entry != nullptr ? FindLawParameter(*entry, it.key().toStdString()) : std::nullopt;
    if (!index) {
      section.Fail(it.key(), QStringLiteral("у функции «%1» нет такого параметра")
                                 .arg(QString::fromStdString(FunctionName(kind))));
      return;
    }
    const LawParameterSpec& spec = entry->parameters[static_cast<size_t>(*index)];
    double value = setup.parameters[static_cast<size_t>(*index)];
    const QByteArray key = it.key().toUtf8();
    section.Ranged(key.constData(), value, spec.lowest, spec.highest);
    setup.parameters[static_cast<size_t>(*index)] = value;
  }
}

void ReadFormula(SetupSection& law, FormulaSetup& formula) {
  const std::optional<QJsonObject> json = law.Object("formula");
  if (!json) return;
  SetupSection section(*json, law.KeyName(QStringLiteral("formula")), law.Findings());
  section.Text("text", formula.text);
  const std::optional<QJsonArray> parameters = section.Array("parameters");
  if (!parameters) return;
  for (qsizetype k = 0; k < parameters->size() && !section.Failed(); ++k) {
    const QString name = QStringLiteral("parameters[%1]").arg(k);
    if (!parameters->at(k).isObject()) {
      section.Fail(name, QStringLiteral("ожидается объект {\"name\": …, \"value\": …}"));
      return;
    }
    SetupSection parameter(parameters->at(k).toObject(), section.KeyName(name), law.Findings());
    FormulaParameterSetup read;
    parameter.Text("name", read.name);
    parameter.Number("value", read.value);
    formula.parameters.push_back(read);
  }
}

void ReadLaw(SetupSection& root, int32_t kind, LawSetup& law) {
  if (IsAdditionalLaw(kind)) law.parameters = StartLawSettings(kind).parameters;
  const std::optional<QJsonObject> json = root.Object("law");
  if (json) {
    SetupSection section(*json, root.KeyName(QStringLiteral("law")), root.Findings());
    ReadLawParameters(section, kind, law);
    if (kind == kLunarLambert) section.Bool("mcEwen", law.lunarLambertMcEwen);
    ReadFormula(section, law.formula);
  }
  if (root.Failed()) return;
  const QString key = QStringLiteral("law.formula");
  if (law.formula.text.empty()) {
    if (kind == kFormula) root.Fail(key, QStringLiteral("выбрана своя формула, а её текста нет"));
    return;
  }
  std::vector<std::string> names;
  for (const FormulaParameterSetup& parameter : law.formula.parameters) {
    names.push_back(parameter.name);
  }
  const CompiledFormula compiled = CompileFormula(law.formula.text, names);
  if (const auto* error = std::get_if<FormulaError>(&compiled)) {
    root.Fail(key, QString::fromStdString(FormulaErrorMessage(*error)));
    return;
  }
  // The chosen formula's parameters are the law's, as the window holds them.
  if (kind == kFormula) {
    for (size_t k = 0; k < names.size(); ++k) law.parameters[k] = law.formula.parameters[k].value;
  }
}

void ReadPicture(SetupSection& root, PictureSetup& picture) {
  const std::optional<QJsonObject> json = root.Object("picture");
  if (!json) return;
  SetupSection section(*json, root.KeyName(QStringLiteral("picture")), root.Findings());
  section.Ranged("exposure", picture.exposure, kMinExposure, kMaxExposure);
  section.Text("background", picture.background);
  if (!BackgroundNamed(picture.background)) {
    section.Fail(QStringLiteral("background"),
                 QStringLiteral("нет фона «%1»: white, black или grey")
                     .arg(QString::fromStdString(picture.background)));
  }
  section.Bool("contourLines", picture.contourLines);
  section.Bool("outline", picture.outline);
  section.Bool("sourceMark", picture.sourceMark);
  section.Integer("lineWidth", picture.lineWidth, kMinLineWidth, kMaxLineWidth);
}

void ReadMap(SetupSection& root, MapSetup& map) {
  const std::optional<QJsonObject> json = root.Object("map");
  if (!json) return;
  SetupSection section(*json, root.KeyName(QStringLiteral("map")), root.Findings());
  if (const std::optional<QJsonArray> sources = section.Array("sources")) {
    if (sources->size() > kExtraSourceCount) {
      section.Fail(QStringLiteral("sources"),
                   QStringLiteral("источников больше %1").arg(kExtraSourceCount));
    }
    for (qsizetype k = 0; k < sources->size() && !section.Failed(); ++k) {
      const QString name = QStringLiteral("sources[%1]").arg(k);
      if (!sources->at(k).isObject()) {
        section.Fail(name, QStringLiteral("ожидается объект {\"used\", \"slant\", \"tilt\"}"));
        return;
      }
      SetupSection source(sources->at(k).toObject(), section.KeyName(name), root.Findings());
      SourceSetup& read = map.sources.at(static_cast<size_t>(k));
      source.Bool("used", read.used);
      source.Angle("slant", read.slant);
      source.Angle("tilt", read.tilt);
    }
  }
  section.Bool("litByAll", map.litByAll);
  section.Ranged("zoom", map.zoom, kMinMapZoom, kMaxMapZoom);
  section.Ranged("centreP", map.centreP, -kMaxMapCentre, kMaxMapCentre);
  section.Ranged("centreQ", map.centreQ, -kMaxMapCentre, kMaxMapCentre);
}

// A file the setup names: relative to the setup's folder; it must be there to be read.
void ReadPath(SetupSection& section, const char* key, const QDir& folder, std::string& path) {
  section.Text(key, path);
  if (section.Failed() || path.empty()) return;
  const QString full = folder.absoluteFilePath(QString::fromStdString(path));
  const QFileInfo file(full);
  if (!file.isFile() || !file.isReadable()) {
    section.Fail(
        QLatin1String(key),
        QStringLiteral("файл «%1» не найден или не читается").arg(QDir::toNativeSeparators(full)));
    return;
  }
  path = full.toStdString();
}

void ReadSurface(SetupSection& root, const QDir& folder, SurfaceSetup& surface) {
  const std::optional<QJsonObject> json = root.Object("surface");
  const SurfaceKind* kind = FindSurfaceKind(surface.kind);
  if (json) {
    SetupSection section(*json, root.KeyName(QStringLiteral("surface")), root.Findings());
    section.Text("kind", surface.kind);
    kind = FindSurfaceKind(surface.kind);
    if (kind == nullptr) {
      section.Fail(QStringLiteral("kind"), QStringLiteral("в каталоге нет поверхности «%1»")
                                               .arg(QString::fromStdString(surface.kind)));
      return;
    }
    surface.parameters = StartValues(*kind);
    if (const std::optional<QJsonObject> parameters = section.Object("parameters")) {
      SetupSection values(*parameters, section.KeyName(QStringLiteral("parameters")),
                          root.Findings());
      values.KnowAll();
      for (auto it = parameters->begin(); it != parameters->end() && !values.Failed(); ++it) {
        size_t index = 0;
        while (index < kind->parameters.size() &&
               QString::fromUtf8(kind->parameters[index].name) != it.key()) {
          ++index;
        }
        if (index == kind->parameters.size()) {
          values.Fail(it.key(), QStringLiteral("у поверхности «%1» нет такого параметра")
                                    .arg(QString::fromStdString(surface.kind)));
          return;
        }
        const QByteArray key = it.key().toUtf8();
        values.Ranged(key.constData(), surface.parameters[index], kind->parameters[index].low,
                      kind->parameters[index].high);
      }
    }
    section.Integer("width", surface.width, kMinSurfaceWindowSide, kMaxSurfaceWindowSide);
    section.Integer("height", surface.height, kMinSurfaceWindowSide, kMaxSurfaceWindowSide);
    section.Ranged("heightScale", surface.heightScale, -kHeightScaleLimit, kHeightScaleLimit);
    section.Bool("castShadows", surface.castShadows);
    ReadPath(section, "albedo", folder, surface.albedoPath);
    ReadPath(section, "elevation", folder, surface.elevationPath);
  } else if (kind != nullptr) {
    surface.parameters = StartValues(*kind);
  }
}

void ReadWindows(SetupSection& root, WindowsSetup& windows) {
  const std::optional<QJsonObject> json = root.Object("windows");
  if (!json) return;
  SetupSection section(*json, root.KeyName(QStringLiteral("windows")), root.Findings());
  section.Bool("map", windows.map);
  section.Bool("sources", windows.sources);
  section.Bool("surface", windows.surface);
  section.Bool("law", windows.law);
  section.Bool("exposure", windows.exposure);
  section.Bool("bigSphere", windows.bigSphere);
  section.Bool("phaseCurve", windows.phaseCurve);
  section.Bool("compare", windows.compare);
}

// The program's tag and the version, before anything else is read.
void ReadHeader(SetupSection& root) {
  std::string program;
  root.Text("program", program);
  if (!root.Failed() && program != kSetupProgram) {
    root.Fail(QStringLiteral("program"),
              QStringLiteral("это настройка не этой программы (ожидается «%1»)")
                  .arg(QLatin1String(kSetupProgram)));
  }
  if (!root.Failed() && !root.Has("version")) {
    root.Fail(QStringLiteral("version"), QStringLiteral("версия не указана"));
  }
  int version = kSetupVersion;
  root.Integer("version", version, 1, std::numeric_limits<int>::max());
  if (!root.Failed() && version != kSetupVersion) {
    root.Fail(QStringLiteral("version"),
              QStringLiteral("версия %1 не поддерживается (программа читает версию %2)")
                  .arg(version)
                  .arg(kSetupVersion));
  }
}

QString Refusal(const QString& fileName, const QString& reason) {
  return QStringLiteral("Настройка «%1» не открыта: %2.")
      .arg(QDir::toNativeSeparators(fileName), reason);
}

}  // namespace

SetupOutcome ReadSetup(const QByteArray& bytes, const QString& fileName) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    const QString key = KeyBefore(bytes, parseError.offset);
    const QString where =
        key.isEmpty()
            ? QStringLiteral("символ %1").arg(parseError.offset + 1)
            : QStringLiteral("после ключа «%1», символ %2").arg(key).arg(parseError.offset + 1);
    // Whatever the parser stumbled on, a text that stops there was cut short.
    const bool cut = bytes.mid(parseError.offset).trimmed().isEmpty() && !bytes.trimmed().isEmpty();
    const QString reason =
        cut ? QStringLiteral("текст обрывается (файл обрезан?)") : ParseReason(parseError.error);
    return Refusal(fileName,
                   QStringLiteral("текст не читается как JSON (%1): %2").arg(where, reason));
  }
  if (!document.isObject()) {
    return Refusal(fileName, QStringLiteral("ожидается объект JSON {…}"));
  }
  SetupReading reading;
  SetupFindings findings;
  {
    SetupSection root(document.object(), QString(), findings);
    ReadHeader(root);
    Setup& setup = reading.setup;
    ReadSphere(root, setup.sphere);
    ReadLaw(root, setup.sphere.reflectanceKind, setup.law);
    ReadPicture(root, setup.picture);
    ReadMap(root, setup.map);
    ReadSurface(root, QFileInfo(fileName).absoluteDir(), setup.surface);
    ReadWindows(root, setup.windows);
  }
  if (!findings.fault.isEmpty()) return Refusal(fileName, findings.fault);
  if (!findings.unknownKeys.isEmpty()) {
    reading.warning =
        QStringLiteral("Настройка «%1»: неизвестные ключи пропущены (файл более новой версии?): %2")
            .arg(QDir::toNativeSeparators(fileName),
                 findings.unknownKeys.join(QStringLiteral(", ")));
  }
  return reading;
}

SetupOutcome ReadSetupFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return Refusal(path, QStringLiteral("файл не открывается (%1)").arg(file.errorString()));
  }
  const QString tooLarge =
      QStringLiteral("файл больше %1 КБ — это не настройка").arg(kMaxSetupFileBytes / 1024);
  if (file.size() > kMaxSetupFileBytes) return Refusal(path, tooLarge);
  // A stream has no size to ask for: at most one byte beyond the limit is read.
  const QByteArray bytes = file.read(kMaxSetupFileBytes + 1);
  if (bytes.size() > kMaxSetupFileBytes) return Refusal(path, tooLarge);
  if (file.error() != QFileDevice::NoError) {
    return Refusal(path, QStringLiteral("файл не читается (%1)").arg(file.errorString()));
  }
  return ReadSetup(bytes, path);
}
