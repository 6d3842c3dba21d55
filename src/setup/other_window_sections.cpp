// The readers of the other windows' sections: map, surface and which windows are open.

#include <QFileInfo>

#include "gradient/gradient_view.h"
#include "setup/setup_section_readers.h"
#include "surface/surface_catalogue.h"

namespace {

// The map's centre may lie this far from the origin, in units of p and q.
constexpr double kMaxMapCentre = 1.0e6;
// A profile's ends may lie this far outside its picture, in logical pixels; they are kept within
// the picture when it is read.
constexpr double kMaxProfileEnd = 1.0e6;

// A file the setup names: relative to the setup's folder; it must be there to be read.
void ReadPath(SetupSection& section, const char* key, const QDir& folder, std::string& path) {
  section.Text(key, path);
  if (section.Failed() || path.empty()) return;
  const QString full = folder.absoluteFilePath(QString::fromStdString(path));
  const QFileInfo file(full);
  if (!file.isFile() || !file.isReadable()) {
    section.Fail(
        QLatin1String(key),
        SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "файл «%1» не найден или не читается"),
                    {SetupText(QDir::toNativeSeparators(full))}));
    return;
  }
  path = full.toStdString();
}

}  // namespace

void ReadMap(SetupSection& root, MapSetup& map) {
  std::optional<SetupSection> section = root.Section("map");
  if (!section) return;
  if (const std::optional<QJsonArray> sources = section->Array("sources")) {
    if (sources->size() > kMaxExtraSources) {
      section->Fail(QStringLiteral("sources"),
                    SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "источников больше %1"),
                                {VerbatimPart(std::to_string(kMaxExtraSources))}));
    }
    // Sources 2 and 3 keep their start when a file lists fewer; each further one listed is added.
    for (qsizetype k = static_cast<qsizetype>(map.sources.size());
         k < sources->size() && !section->Failed(); ++k) {
      map.sources.push_back(kStartExtraSources.at(static_cast<size_t>(k)));
    }
    for (qsizetype k = 0; k < sources->size() && !section->Failed(); ++k) {
      const QString name = QStringLiteral("sources[%1]").arg(k);
      if (!sources->at(k).isObject()) {
        section->Fail(name,
                      SetupReason(GS_TRANSLATE_NOOP(
                          "CoreMessages", "ожидается объект {\"used\", \"slant\", \"tilt\"}")));
        return;
      }
      SetupSection source(sources->at(k).toObject(), section->KeyName(name), root.Findings());
      SourceSetup& read = map.sources.at(static_cast<size_t>(k));
      source.Bool("used", read.used);
      source.Angle("slant", read.slant);
      source.Angle("tilt", read.tilt);
    }
  }
  section->Bool("litByAll", map.litByAll);
  section->Ranged("zoom", map.zoom, kMinMapZoom, kMaxMapZoom);
  section->Ranged("centreP", map.centreP, -kMaxMapCentre, kMaxMapCentre);
  section->Ranged("centreQ", map.centreQ, -kMaxMapCentre, kMaxMapCentre);
}

void ReadSurface(SetupSection& root, const QDir& folder, SurfaceSetup& surface) {
  std::optional<SetupSection> section = root.Section("surface");
  const SurfaceKind* kind = FindSurfaceKind(surface.kind);
  if (section) {
    section->Text("kind", surface.kind);
    kind = FindSurfaceKind(surface.kind);
    if (kind == nullptr) {
      section->Fail(
          QStringLiteral("kind"),
          SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "в каталоге нет поверхности «%1»"),
                      {VerbatimPart(surface.kind)}));
      return;
    }
    surface.parameters = StartValues(*kind);
    if (std::optional<SetupSection> values = section->Section("parameters")) {
      values->KnowAll();
      for (auto it = values->Json().begin(); it != values->Json().end() && !values->Failed();
           ++it) {
        size_t index = 0;
        while (index < kind->parameters.size() &&
               QString::fromUtf8(kind->parameters[index].name) != it.key()) {
          ++index;
        }
        if (index == kind->parameters.size()) {
          values->Fail(it.key(),
                       SetupReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                     "у поверхности «%1» нет такого параметра"),
                                   {VerbatimPart(surface.kind)}));
          return;
        }
        const QByteArray key = it.key().toUtf8();
        values->Ranged(key.constData(), surface.parameters[index], kind->parameters[index].low,
                       kind->parameters[index].high);
      }
    }
    section->Integer("width", surface.width, kMinSurfaceWindowSide, kMaxSurfaceWindowSide);
    section->Integer("height", surface.height, kMinSurfaceWindowSide, kMaxSurfaceWindowSide);
    section->Ranged("heightScale", surface.heightScale, -kHeightScaleLimit, kHeightScaleLimit);
    section->Bool("castShadows", surface.castShadows);
    ReadPath(*section, "albedo", folder, surface.albedoPath);
    ReadPath(*section, "elevation", folder, surface.elevationPath);
  } else if (kind != nullptr) {
    surface.parameters = StartValues(*kind);
  }
}

void ReadWindows(SetupSection& root, WindowsSetup& windows) {
  std::optional<SetupSection> section = root.Section("windows");
  if (!section) return;
  section->Bool("map", windows.map);
  section->Bool("sources", windows.sources);
  section->Bool("surface", windows.surface);
  section->Bool("law", windows.law);
  section->Bool("exposure", windows.exposure);
  section->Bool("bigSphere", windows.bigSphere);
  section->Bool("phaseCurve", windows.phaseCurve);
  section->Bool("compare", windows.compare);
  std::optional<SetupSection> places = section->Section("places");
  if (!places) return;
  for (const char* key : kWindowPlaceKeys) {
    std::optional<SetupSection> one = places->Section(key);
    if (!one) continue;
    WindowPlace place{0, 0, kMinPlaceSide, kMinPlaceSide};
    one->Integer("x", place.x, -kPlaceCoordinateLimit, kPlaceCoordinateLimit);
    one->Integer("y", place.y, -kPlaceCoordinateLimit, kPlaceCoordinateLimit);
    one->Integer("width", place.width, kMinPlaceSide, kMaxPlaceSide);
    one->Integer("height", place.height, kMinPlaceSide, kMaxPlaceSide);
    windows.places[key] = place;
  }
}

void ReadCurves(SetupSection& root, const QDir& folder, CurvesSetup& curves) {
  std::optional<SetupSection> section = root.Section("curves");
  if (!section) return;
  section->Bool("magnitudes", curves.magnitudes);
  section->Bool("opposition", curves.opposition);
  section->Ranged("lawAlbedo", curves.lawAlbedo, 0.0, kMaxLawAlbedo);
  ReadPath(*section, "observations", folder, curves.observationsPath);
  std::optional<SetupSection> profile = section->Section("profile");
  if (!profile) return;
  std::string picture = kSphereProfile;
  profile->Text("picture", picture);
  if (picture != kSphereProfile && picture != kEquatorProfile && picture != kMapProfile) {
    profile->Fail(QStringLiteral("picture"),
                  SetupReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                "нет профиля по «%1»: sphere, equator или map"),
                              {VerbatimPart(picture)}));
    return;
  }
  curves.profile.picture = picture;
  if (picture == kEquatorProfile) return;
  if (!profile->Has("line")) {
    profile->Fail(QStringLiteral("line"),
                  SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "концы линии профиля не указаны")));
    return;
  }
  profile->RangedNumbers("line", curves.profile.line, -kMaxProfileEnd, kMaxProfileEnd);
}
