#pragma once
// Random setups for the round trips of the setup file and of the window: every setting drawn
// away from its start value from a seeded generator, so that a failure repeats. Make() draws
// what a window can hold and show quickly; the file's own test adds the rest (Full()).

#include <array>
#include <random>
#include <string>

#include "photometry/law_catalogue.h"
#include "setup/setup.h"
#include "surface/surface_catalogue.h"

class RandomSetup {
 public:
  explicit RandomSetup(uint32_t seed) : random_(seed) {}

  ::Setup Make() {
    ::Setup setup;
    SphereSetup& sphere = setup.sphere;
    sphere.rotX = Uniform(-360.0, 360.0);
    sphere.rotY = Uniform(-360.0, 360.0);
    sphere.rotZ = Uniform(-360.0, 360.0);
    sphere.slant = Uniform(-180.0, 180.0);
    sphere.reflectanceKind = static_cast<int32_t>(Whole(kMatte, kHapkeRough));
    sphere.glossS = Uniform(0.0, 1.0);
    sphere.glossN = Uniform(1.0, 64.0);
    for (int row = 0; row < kIsoBandCount; ++row) {
      sphere.isoLevel[row] = static_cast<float>(Uniform(0.0, 1.2));
      sphere.isoHalfWidth[row] = static_cast<float>(Uniform(0.001, 0.05));
    }
    sphere.colourIsolines = Coin();
    sphere.halfSphere = Coin();
    sphere.smoothing = Coin();
    MakeLaw(setup);
    PictureSetup& picture = setup.picture;
    picture.exposure = Uniform(0.1, 10.0);
    picture.background = std::array{"white", "black", "grey"}[Whole(0, 2)];
    picture.contourLines = Coin();
    picture.outline = Coin();
    picture.sourceMark = Coin();
    picture.lineWidth = static_cast<int>(Whole(1, 4));
    // Sources 2 and 3 always, up to five more: a lost further source, or one left over from an
    // earlier setup, shows.
    setup.map.sources.resize(Whole(kFixedExtraSources, kMaxExtraSources));
    for (SourceSetup& source : setup.map.sources) {
      source = {Coin(), Uniform(0.0, 89.0), Uniform(0.0, 360.0)};
    }
    setup.map.litByAll = Coin();
    setup.map.zoom = Uniform(0.125, 64.0);
    setup.map.centreP = Uniform(-2.0, 2.0);
    setup.map.centreQ = Uniform(-2.0, 2.0);
    const SurfaceKind& kind = SurfaceCatalogue().at(Whole(0, SurfaceCatalogue().size() - 1));
    setup.surface.kind = kind.name;
    setup.surface.parameters.clear();
    for (const SurfaceParameter& parameter : kind.parameters) {
      setup.surface.parameters.push_back(Uniform(parameter.low, parameter.high));
    }
    setup.surface.width = static_cast<int>(Whole(kMinSurfaceWindowSide, kMaxSurfaceWindowSide));
    setup.surface.height = static_cast<int>(Whole(kMinSurfaceWindowSide, kMaxSurfaceWindowSide));
    setup.surface.heightScale = Uniform(-kHeightScaleLimit, kHeightScaleLimit);
    setup.surface.castShadows = Coin();
    // The windows that paint little; the surface's, the curves' and the big sphere's are
    // restored alike but would paint for seconds at these sizes.
    setup.windows.map = Coin();
    setup.windows.sources = setup.windows.map && Coin();
    setup.windows.law = IsAdditionalLaw(sphere.reflectanceKind) && Coin();
    setup.windows.exposure = Coin();
    setup.curves.magnitudes = Coin();
    setup.curves.opposition = Coin();
    if (Coin()) setup.curves.lawAlbedo = Uniform(0.0, 1.0);
    if (Coin()) {
      setup.curves.profile.picture = kSphereProfile;
      for (double& end : setup.curves.profile.line) end = Uniform(0.0, 300.0);
    }
    return setup;
  }

  // As Make, with every window open, automatic exposure, any profile, the phase curve's own
  // settings and the surface's and observations' files (absolute paths of files that exist).
  ::Setup Full(const std::string& albedo, const std::string& elevation,
               const std::string& observations) {
    ::Setup setup = Make();
    setup.picture.autoExposure = Coin();
    WindowsSetup& windows = setup.windows;
    for (bool* open :
         {&windows.map, &windows.sources, &windows.surface, &windows.law, &windows.exposure,
          &windows.bigSphere, &windows.phaseCurve, &windows.compare}) {
      *open = Coin();
    }
    const std::array<const char*, 4> pictures{"", kSphereProfile, kEquatorProfile, kMapProfile};
    setup.curves.profile.picture = pictures[Whole(0, pictures.size() - 1)];
    setup.curves.profile.line = {};
    if (setup.curves.profile.picture == kSphereProfile ||
        setup.curves.profile.picture == kMapProfile) {
      for (double& end : setup.curves.profile.line) end = Uniform(-50.0, 800.0);
    }
    if (Coin()) setup.curves.lawAlbedo = Uniform(0.0, 2.0);
    if (Coin()) setup.curves.observationsPath = observations;
    if (Coin()) setup.surface.albedoPath = albedo;
    if (Coin()) setup.surface.elevationPath = elevation;
    for (const char* key : kWindowPlaceKeys) {
      if (!Coin()) continue;
      const auto within = [this](int low, int high) {
        return low + static_cast<int>(Whole(0, static_cast<size_t>(high - low)));
      };
      windows.places[key] = {within(-kPlaceCoordinateLimit, kPlaceCoordinateLimit),
                             within(-kPlaceCoordinateLimit, kPlaceCoordinateLimit),
                             within(kMinPlaceSide, kMaxPlaceSide),
                             within(kMinPlaceSide, kMaxPlaceSide)};
    }
    return setup;
  }

 private:
  void MakeLaw(::Setup& setup) {
    const int32_t kind = setup.sphere.reflectanceKind;
    if (const LawEntry* law = FindLaw(kind)) {
      for (size_t k = 0; k < law->parameters.size(); ++k) {
        const LawParameterSpec& spec = law->parameters[k];
        setup.law.parameters[k] = spec.twoValued ? (Coin() ? spec.lowest : spec.highest)
                                                 : Uniform(spec.lowest, spec.highest);
      }
      setup.law.lunarLambertMcEwen = kind == kLunarLambert && Coin();
    }
    if (kind == kFormula || Coin()) {
      struct Formula {
        const char* text;
        std::vector<const char*> names;
      };
      const std::array<Formula, 2> formulas{Formula{"ci^k * ce^(k-1)", {"k"}},
                                            Formula{"a*ci + b*cg", {"a", "b"}}};
      const Formula& formula = formulas[Whole(0, 1)];
      setup.law.formula.text = formula.text;
      for (const char* name : formula.names) {
        setup.law.formula.parameters.push_back({name, Uniform(0.1, 2.0)});
      }
      if (kind == kFormula) {
        for (size_t k = 0; k < formula.names.size(); ++k) {
          setup.law.parameters[k] = setup.law.formula.parameters[k].value;
        }
      }
    }
  }

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  size_t Whole(size_t low, size_t high) {
    return std::uniform_int_distribution<size_t>(low, high)(random_);
  }
  bool Coin() { return Whole(0, 1) == 1; }

  std::mt19937 random_;
};
