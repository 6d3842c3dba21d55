#pragma once
// A folder of mirror-ball photographs as a light calibration lays it out (photoset/ball_set.h):
// the program's hemisphere under a chrome-like lobe (Blinn-Phong, all gloss, exponent 500), one
// 16-bit PNG a light, its outline as mask.png.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/startup_values.h"
#include "photo_folders.h"
#include "photometry/law_catalogue.h"
#include "recovery/recovery_images.h"
#include "surface/surface_catalogue.h"

inline void WriteBallSet(const std::filesystem::path& folder, const std::vector<LightAim>& lights,
                         int side) {
  std::filesystem::create_directories(folder);
  RenderState chrome;
  ApplyStartupValues(chrome);
  chrome.reflectanceKind = kBlinnPhong;
  chrome.law = StartLawSettings(kBlinnPhong);
  chrome.law.parameters[kBlinnPhongS] = 1.0;
  chrome.law.parameters[kBlinnPhongN] = 500.0;
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const SurfaceScene scene = MakeScene(MakeSurface(kind, side, side, StartValues(kind)));
  const RecoveryImages images = MakeRecoveryImages(chrome, scene, lights);
  std::string names;
  for (size_t k = 0; k < lights.size(); ++k) {
    std::vector<double> image = images.intensity[k];
    for (double& value : image) value = std::clamp(value, 0.0, 1.0);  // the highlight saturates
    const std::string name = "ball" + std::to_string(k) + ".png";
    WriteTextFile((folder / name).string(), Png16(side, side, image));
    names += name + "\n";
  }
  WriteTextFile((folder / "filenames.txt").string(), names);
  std::vector<double> mask(scene.field.z.size());
  for (size_t cell = 0; cell < mask.size(); ++cell) mask[cell] = scene.field.z[cell] > 0.0;
  WriteTextFile((folder / "mask.png").string(), Png16(side, side, mask));
}
