#pragma once
// A folder of mirror-ball photographs as a light calibration lays it out (photoset/ball_set.h):
// the program's hemisphere as an all-gloss mirror ball (chrome_ball.h), one 16-bit PNG a light,
// its outline as mask.png.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "chrome_ball.h"
#include "photo_folders.h"

inline void WriteBallSet(const std::filesystem::path& folder, const std::vector<LightAim>& lights,
                         int side) {
  std::filesystem::create_directories(folder);
  const ChromeBall ball = MakeChromeBall(lights, side, 1.0);
  std::string names;
  for (size_t k = 0; k < lights.size(); ++k) {
    std::vector<double> image = ball.images.intensity[k];
    for (double& value : image) value = std::clamp(value, 0.0, 1.0);  // the highlight saturates
    const std::string name = "ball" + std::to_string(k) + ".png";
    WriteTextFile((folder / name).string(), Png16(side, side, image));
    names += name + "\n";
  }
  WriteTextFile((folder / "filenames.txt").string(), names);
  std::vector<double> mask(ball.scene.field.z.size());
  for (size_t cell = 0; cell < mask.size(); ++cell) mask[cell] = ball.scene.field.z[cell] > 0.0;
  WriteTextFile((folder / "mask.png").string(), Png16(side, side, mask));
}
