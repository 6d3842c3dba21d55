// The renderer's surfaces: the readout's phi is N.S from the p and q it prints, for each source;
// cast shadows only blacken pixels; every bad surface option is exit status 2 with its message.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

// The number after "NAME=" in a readout line.
double Field(const std::string& line, const std::string& name) {
  const size_t at = line.find(" " + name + "=");
  const size_t start = at == std::string::npos ? line.rfind(name + "=", 0) : at + 1;
  EXPECT_NE(start, std::string::npos) << name << " in " << line;
  return std::stod(line.substr(start + name.size() + 1));
}

double MattePhi(double p, double q, double slant, double tilt) {
  const double s = slant * std::numbers::pi / 180.0;
  const double t = tilt * std::numbers::pi / 180.0;
  return (p * std::sin(s) * std::sin(t) - q * std::sin(s) * std::cos(t) + std::cos(s)) /
         std::sqrt(1.0 + p * p + q * q);
}

TEST(SurfaceCli, ReadoutPhiIsNormalDotSourceForEachSource) {
  for (const auto& [x, y] : {std::pair{40, 70}, std::pair{128, 100}, std::pair{200, 180}}) {
    const RunResult run = RenderInProcess({"--surface", "hills", "--surface-param", "count=3",
                                           "--slant", "35", "--light", "50,120", "--readout",
                                           std::to_string(x) + "," + std::to_string(y)});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const double p = Field(run.out, "p");
    const double q = Field(run.out, "q");
    EXPECT_NEAR(Field(run.out, "y"), 255 - y, 1e-9);
    // p and q are printed to 3 decimals: phi follows them within their rounding.
    EXPECT_NEAR(Field(run.out, "phi"), MattePhi(p, q, 35, 0), 2e-3) << run.out;
    EXPECT_NEAR(Field(run.out, "phi2"), MattePhi(p, q, 50, 120), 2e-3) << run.out;
  }
}

// An elevation model's plane z = 0.5 x - 0.25 y (cellsize 2) reads back p = 0.5 and q = -0.25
// exactly, its rows north up.
TEST(SurfaceCli, AnImportedPlaneHasItsSlopes) {
  TempFolder folder;
  std::string grid = "ncols 6\nnrows 5\nxllcorner 0\nyllcorner 0\ncellsize 2\n";
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 6; ++column) {
      grid += std::to_string(0.5 * 2 * column - 0.25 * 2 * (4 - row)) + " ";
    }
    grid += "\n";
  }
  {
    std::ofstream file(folder.File("plane.asc"));
    file << grid;
  }
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{3, 2}, std::pair{5, 4}}) {
    const RunResult run = RenderInProcess({"--surface", folder.File("plane.asc"), "--readout",
                                           std::to_string(x) + "," + std::to_string(y)});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(Field(run.out, "p"), 0.5) << run.out;
    EXPECT_EQ(Field(run.out, "q"), -0.25) << run.out;
    EXPECT_EQ(Field(run.out, "y"), 2.0 * (4 - y)) << run.out;
  }
}

TEST(SurfaceCli, CastShadowsOnlyBlackenPixels) {
  TempFolder folder;
  const std::vector<std::string> base{"--surface", "crater", "--slant",  "60",
                                      "--light",   "55,250", "--source", "2"};
  std::vector<std::string> lit = base;
  lit.insert(lit.end(), {"-o", folder.File("lit.png")});
  std::vector<std::string> shaded = base;
  shaded.insert(shaded.end(), {"--cast-shadows", "-o", folder.File("shaded.png")});
  ASSERT_EQ(RenderInProcess(lit).exitStatus, 0);
  ASSERT_EQ(RenderInProcess(shaded).exitStatus, 0);
  const QImage a(QString::fromStdString(folder.File("lit.png")));
  const QImage b(QString::fromStdString(folder.File("shaded.png")));
  ASSERT_EQ(a.size(), QSize(256, 256));
  int blackened = 0;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      ASSERT_EQ(b.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
      ++blackened;
    }
  }
  EXPECT_GT(blackened, 200);
}

// --exposure auto paints the chosen image's brightest cell white, as it does the sphere's: a
// dim image (a grazing second source) reaches white only with it.
TEST(SurfaceCli, AutoExposurePaintsTheBrightestCellWhite) {
  TempFolder folder;
  const auto brightest = [&folder](const std::vector<std::string>& extra) {
    std::vector<std::string> args{"--surface", "cone", "--plain", "--light",           "80,90",
                                  "--source",  "2",    "-o",      folder.File("s.png")};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(RenderInProcess(args).exitStatus, 0);
    const QImage image(QString::fromStdString(folder.File("s.png")));
    int top = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) top = std::max(top, qGray(image.pixel(x, y)));
    }
    return top;
  };
  EXPECT_LT(brightest({}), 250);
  EXPECT_EQ(brightest({"--exposure", "auto"}), 255);
}

TEST(SurfaceCli, BadSurfaceOptionsAreRefused) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kRows[] = {
      {{"--surface", "crater", "--surface-param", "bogus=1"}, "has the parameters radius, depth"},
      {{"--surface", "vase", "--surface-param", "radius=1"}, "has no parameters"},
      {{"--surface", "crater", "--surface-param", "radius=5"}, "radius is a number from 0.05 to 1"},
      {{"--surface", "cone", "--source", "3", "--light", "20,0"}, "give --light for source 3"},
      {{"--surface", "cone", "--gradient-space"}, "draw on the sphere or the map"},
      {{"--cast-shadows"}, "give --surface NAME|FILE"},
      {{"--surface", "cone", "--surface-size", "5000x10"}, "1 to 4096"},
      {{"--surface", "no-such-file.tif"},
       "Could not read the elevation model “no-such-file.tif”: the file is not found."},
      {{"--surface", "cone", "--albedo", "no-such-image.png"}, "does not read as an image"},
  };
  for (const auto& row : kRows) {
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"-o", "never-written.png"});
    const RunResult run = RenderInProcess(args);
    EXPECT_EQ(run.exitStatus, 2) << args[1];
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
  }
}

}  // namespace
