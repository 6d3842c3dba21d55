// WriteSetup: the Setup as indented JSON (setup_file.h).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

#include "photometry/law_catalogue.h"
#include "setup/setup_file.h"
#include "setup/setup_names.h"
#include "surface/surface_catalogue.h"

namespace {

// A 32-bit value with the fewest digits that read back to it as a float: the double those digits
// name, which the JSON writer writes with the same digits.
QJsonValue FloatValue(float value) {
  std::array<char, 32> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  double wide = 0.0;
  std::from_chars(digits.data(), written.ptr, wide);
  return wide;
}

QJsonValue Text(const std::string& text) { return QString::fromStdString(text); }

QJsonObject SphereObject(const SphereSetup& sphere) {
  QJsonArray levels;
  QJsonArray halfWidths;
  for (int row = 0; row < kIsoBandCount; ++row) {
    levels.append(FloatValue(sphere.isoLevel[row]));
    halfWidths.append(FloatValue(sphere.isoHalfWidth[row]));
  }
  return QJsonObject{{"rotX", sphere.rotX},
                     {"rotY", sphere.rotY},
                     {"rotZ", sphere.rotZ},
                     {"slant", sphere.slant},
                     {"function", Text(FunctionName(sphere.reflectanceKind))},
                     {"s", sphere.glossS},
                     {"n", sphere.glossN},
                     {"levels", levels},
                     {"halfWidths", halfWidths},
                     {"colourIsolines", sphere.colourIsolines},
                     {"halfSphere", sphere.halfSphere},
                     {"smoothing", sphere.smoothing}};
}

// The chosen law's parameters by name; the formula whenever one was applied.
QJsonObject LawObject(const LawSetup& law, int32_t kind) {
  QJsonObject object;
  if (const LawEntry* entry = FindLaw(kind); entry != nullptr && kind != kFormula) {
    QJsonObject parameters;
    for (size_t k = 0; k < entry->parameters.size(); ++k) {
      parameters.insert(QString::fromUtf8(entry->parameters[k].name.data(),
                                          static_cast<qsizetype>(entry->parameters[k].name.size())),
                        law.parameters[k]);
    }
    object.insert("parameters", parameters);
    if (kind == kLunarLambert) object.insert("mcEwen", law.lunarLambertMcEwen);
  }
  if (!law.formula.text.empty()) {
    QJsonArray parameters;
    for (const FormulaParameterSetup& parameter : law.formula.parameters) {
      parameters.append(QJsonObject{{"name", Text(parameter.name)}, {"value", parameter.value}});
    }
    object.insert("formula",
                  QJsonObject{{"text", Text(law.formula.text)}, {"parameters", parameters}});
  }
  return object;
}

QJsonObject PictureObject(const PictureSetup& picture) {
  QJsonObject object{
      {"exposure", picture.exposure},         {"background", Text(picture.background)},
      {"contourLines", picture.contourLines}, {"outline", picture.outline},
      {"sourceMark", picture.sourceMark},     {"lineWidth", picture.lineWidth}};
  if (picture.autoExposure) object.insert("autoExposure", true);
  return object;
}

QJsonObject MapObject(const MapSetup& map) {
  QJsonArray sources;
  for (const SourceSetup& source : map.sources) {
    sources.append(
        QJsonObject{{"used", source.used}, {"slant", source.slant}, {"tilt", source.tilt}});
  }
  return QJsonObject{{"sources", sources},
                     {"litByAll", map.litByAll},
                     {"zoom", map.zoom},
                     {"centreP", map.centreP},
                     {"centreQ", map.centreQ}};
}

QJsonObject SurfaceObject(const SurfaceSetup& surface) {
  QJsonObject parameters;
  if (const SurfaceKind* kind = FindSurfaceKind(surface.kind)) {
    const std::vector<double> values = surface.parameters.size() == kind->parameters.size()
                                           ? surface.parameters
                                           : StartValues(*kind);
    for (size_t k = 0; k < kind->parameters.size(); ++k) {
      parameters.insert(QString::fromUtf8(kind->parameters[k].name), values[k]);
    }
  }
  return QJsonObject{{"kind", Text(surface.kind)},
                     {"parameters", parameters},
                     {"width", surface.width},
                     {"height", surface.height},
                     {"heightScale", surface.heightScale},
                     {"castShadows", surface.castShadows},
                     {"albedo", Text(surface.albedoPath)},
                     {"elevation", Text(surface.elevationPath)}};
}

QJsonObject WindowsObject(const WindowsSetup& windows) {
  QJsonObject object{{"map", windows.map},
                     {"sources", windows.sources},
                     {"surface", windows.surface},
                     {"law", windows.law},
                     {"exposure", windows.exposure},
                     {"bigSphere", windows.bigSphere},
                     {"phaseCurve", windows.phaseCurve},
                     {"compare", windows.compare}};
  // Only when kept: a setup without places is written as before.
  if (!windows.places.empty()) {
    QJsonObject places;
    for (const auto& [key, place] : windows.places) {
      places.insert(
          QString::fromStdString(key),
          QJsonObject{
              {"x", place.x}, {"y", place.y}, {"width", place.width}, {"height", place.height}});
    }
    object.insert("places", places);
  }
  return object;
}

// Only what differs from a fresh window: a file that uses none of it reads in a version that
// knows no curves section without a warning.
QJsonObject CurvesObject(const CurvesSetup& curves) {
  QJsonObject object;
  if (curves.magnitudes) object.insert("magnitudes", true);
  if (curves.opposition) object.insert("opposition", true);
  if (curves.lawAlbedo != CurvesSetup{}.lawAlbedo) object.insert("lawAlbedo", curves.lawAlbedo);
  if (!curves.observationsPath.empty()) {
    object.insert("observations", Text(curves.observationsPath));
  }
  if (!curves.profile.picture.empty()) {
    QJsonObject profile{{"picture", Text(curves.profile.picture)}};
    if (curves.profile.picture != kEquatorProfile) {
      QJsonArray line;
      for (const double end : curves.profile.line) line.append(end);
      profile.insert("line", line);
    }
    object.insert("profile", profile);
  }
  return object;
}

}  // namespace

QByteArray WriteSetup(const Setup& setup) {
  QJsonObject root{{"program", kSetupProgram},
                   {"version", kSetupVersion},
                   {"sphere", SphereObject(setup.sphere)},
                   {"law", LawObject(setup.law, setup.sphere.reflectanceKind)},
                   {"picture", PictureObject(setup.picture)},
                   {"map", MapObject(setup.map)},
                   {"surface", SurfaceObject(setup.surface)},
                   {"windows", WindowsObject(setup.windows)}};
  if (setup.curves != CurvesSetup{}) root.insert("curves", CurvesObject(setup.curves));
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
