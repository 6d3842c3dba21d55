// The renderer's lights from a mirror ball: three known lights come back within a degree, as
// light_directions.txt lines (a y read downwards, or the normal printed for the light, misses by
// tens of degrees); every way the folder breaks is one message naming the file, status 2 and
// nothing on stdout.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ball_folders.h"
#include "model/angles.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

constexpr int kSide = 96;
const std::vector<LightAim> kLights{{30.0, 20.0}, {45.0, 140.0}, {60.0, -100.0}};

double DegreesApart(const SourceDirection& u, const SourceDirection& v) {
  const double dot =
      (u.x * v.x + u.y * v.y + u.z * v.z) /
      std::sqrt((u.x * u.x + u.y * u.y + u.z * u.z) * (v.x * v.x + v.y * v.y + v.z * v.z));
  return std::acos(std::min(1.0, dot)) * kDegreesPerHalfTurn / kPi;
}

TEST(BallLightsCli, KnownLightsComeBackWithinADegree) {
  TempFolder folder;
  WriteBallSet(folder.Path(), kLights, kSide);
  const RunResult run = RenderInProcess({"--ball-lights", folder.Path().string()});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::istringstream lines(run.out);
  for (const LightAim& light : kLights) {
    SourceDirection found{};
    ASSERT_TRUE(lines >> found.x >> found.y >> found.z) << run.out;
    EXPECT_LT(DegreesApart(found, DirectionOf(light)), 1.0) << run.out;
  }
  std::string rest;
  EXPECT_FALSE(lines >> rest) << "more lines than images: " << run.out;
}

// A file of the sound set written anew (or removed: nullopt), and what the message must hold.
struct Broken {
  std::string file;
  std::optional<std::string> bytes;
  std::string wanted;
};

TEST(BallLightsCli, ABrokenFolderNamesItsFileAndPrintsNoLight) {
  const std::vector<double> black(kSide * kSide, 0.0);
  const std::vector<Broken> rows = {
      {"mask.png", std::nullopt, "“mask.png”: there is no mask"},
      {"mask.png", Png16(kSide, kSide, black), "“mask.png”: the mask holds no ball"},
      {"mask.png", Png16(kSide, kSide / 2, std::vector<double>(kSide * kSide / 2, 1.0)),
       "“mask.png”"},
      {"ball1.png", Png16(kSide, kSide, black), "“ball1.png”: no highlight on the ball"},
      {"ball2.png", "PNG?", "“ball2.png”"},
      {"filenames.txt", "\n", "“filenames.txt”"},
  };
  for (const Broken& row : rows) {
    TempFolder folder;
    WriteBallSet(folder.Path(), kLights, kSide);
    const std::filesystem::path path = folder.Path() / row.file;
    if (row.bytes)
      WriteTextFile(path.string(), *row.bytes);
    else
      std::filesystem::remove(path);
    const RunResult run = RenderInProcess({"--ball-lights", folder.Path().string()});
    EXPECT_EQ(run.exitStatus, kExitFailure) << row.wanted;
    EXPECT_EQ(run.out, "") << row.wanted;
    EXPECT_NE(run.err.find(row.wanted), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one message: " << run.err;
  }
  const RunResult missing = RenderInProcess({"--ball-lights", "/nonexistent/ball"});
  EXPECT_EQ(missing.exitStatus, kExitFailure);
  EXPECT_NE(missing.err.find("not found"), std::string::npos) << missing.err;
}

}  // namespace
