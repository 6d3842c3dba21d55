// The renderer's readout and gradient-space map: each readout line names the colour the same
// options paint at that pixel, the map ignores the rotations, and the binary warns and refuses.

#include "pass/readout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "gradient/gradient_readout.h"
#include "photometry/sample_colour.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};

// The job of the picture of `args` (never written: the test runs its pass itself).
RenderJob JobOf(std::vector<std::string> args) {
  args.insert(args.end(), {"-o", "unwritten.png"});
  const ParsedCommandLine parsed = ParseRenderOptions({args.begin(), args.end()});
  EXPECT_TRUE(std::holds_alternative<RenderJob>(parsed)) << args.front();
  return std::holds_alternative<RenderJob>(parsed) ? std::get<RenderJob>(parsed) : RenderJob{};
}

// The colour a pass without smoothing paints where the line reads `zone` and `phi`.
Rgb ColourOfZone(const std::string& zone, double phi, bool colour) {
  if (zone == "background") return kWhite;
  if (zone == "deep-shadow") return kDeepShadow;
  if (zone == "fringe") return kShadowFringe;
  if (zone == "self-shadow") return kSelfShadowZone;
  const int32_t grey = static_cast<int32_t>(std::lround(phi * 255));
  Rgb add{};
  if (zone.rfind("band:", 0) == 0)
    add = colour ? kIsoBandTint.at(std::stoul(zone.substr(5))) : kIsoBandLift;
  return {std::min(grey + add.r, 255), std::min(grey + add.g, 255), std::min(grey + add.b, 255)};
}

TEST(ReadoutTest, EachLineNamesTheColourPaintedAtItsPixel) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--grey", "--slant", "60"},
      {"--function", "glossy", "--slant", "40", "--whole-sphere", "--rot-y", "25"},
      {"--function", "rocky", "--slant", "80", "--rot-z", "30"},
      {"--gradient-space", "--slant", "30"},
      {"--gradient-space", "--grey", "--function", "glossy"},
  };
  std::set<std::string> zonesSeen;
  for (const auto& args : cases) {
    RenderJob job = JobOf(args);
    const PassResult pass = std::get<PassResult>(RunJobPass(job));
    for (int y = 0; y < job.height; y += 3) {
      for (int x = 0; x < job.width; x += 3) {
        job.readout = PixelPosition{x, y};
        const std::string line = ReadoutLineOf(job, pass);
        const std::string where = (args.empty() ? "defaults" : args.front()) + " " + line;
        double i = 0, e = 0, g = 0, phi = 0, painted = 0, px = 0, py = 0, pz = 0, p = 0, q = 0;
        char zone[32] = "background";
        const int read = std::sscanf(
            line.c_str(),
            "i=%lf e=%lf g=%lf phi=%lf painted=%lf zone=%31s point=%lf,%lf,%lf p=%lf q=%lf", &i, &e,
            &g, &phi, &painted, zone, &px, &py, &pz, &p, &q);
        zonesSeen.insert(std::string(zone).substr(0, 5));
        ASSERT_EQ(read, line == "background" ? 0 : (job.gradientSpace ? 11 : 9)) << where;
        const Rgb colour = pass.picture.At(x, y);
        const Rgb expected = ColourOfZone(zone, painted, job.colourIsolines);
        EXPECT_LE(std::abs(colour.r - expected.r) + std::abs(colour.g - expected.g) +
                      std::abs(colour.b - expected.b),
                  3)
            << where << " at " << x << "," << y;
        if (read == 0) continue;
        EXPECT_TRUE(i >= 0 && i <= 180 && e >= 0 && e <= 180) << where;
        // The colouring bounds the function's value above by 1 and uses it as it is below.
        EXPECT_EQ(painted, std::min(phi, 1.0)) << where;
        EXPECT_NEAR(g, std::stod(job.inputs.slant), 0.05) << where;
        EXPECT_NEAR(std::hypot(px, py, pz), 1.0, 0.003) << where;
        if (job.gradientSpace) {
          const double norm = std::sqrt(1 + p * p + q * q);
          EXPECT_NEAR(px, -p / norm, 0.002) << where;
          EXPECT_NEAR(pz, 1 / norm, 0.002) << where;
        }
      }
    }
  }
  EXPECT_EQ(zonesSeen,
            (std::set<std::string>{"backg", "band:", "tone", "self-", "fring", "deep-"}));
}

TEST(ReadoutTest, GradientMapIgnoresTheRotationsAndIsNotTheSphere) {
  const auto picture = [](std::vector<std::string> args) {
    return std::get<ImageBuffer>(RenderPicture(JobOf(std::move(args)))).Pixels();
  };
  const auto map = picture({"--gradient-space", "--function", "glossy"});
  EXPECT_NE(map, picture({"--function", "glossy"}));
  EXPECT_NE(map, picture({"--gradient-space"}));  // the function is not ignored
  EXPECT_EQ(map, picture({"--gradient-space", "--function", "glossy", "--rot-x", "-50", "--rot-y",
                          "33", "--rot-z", "12", "--whole-sphere"}));
}

// The binary: what goes to stdout and stderr, the exit status, and that a readout writes no file.
// --scale K draws the whole sphere as a disc of radius 100 K pixels (every pixel whose readout
// meets the sphere), in a picture K times the default size, and the map K times as coarse.
TEST(ReadoutTest, ScaleMagnifiesTheSphereAndTheMap) {
  for (const int scale : {1, 4}) {
    const RenderJob job = JobOf({"--whole-sphere", "--scale", std::to_string(scale)});
    ASSERT_EQ(job.width, kDefaultPictureWidth * scale);
    const PassResult pass = std::get<PassResult>(RunJobPass(job));
    int64_t onSphere = 0;
    for (int y = 0; y < job.height; ++y) {
      for (int x = 0; x < job.width; ++x) {
        onSphere += ReadoutAtPixel(pass.state, job.width, job.height, x, y) ? 1 : 0;
      }
    }
    const double radius = 100.0 * scale;
    EXPECT_NEAR(static_cast<double>(onSphere), 3.14159 * radius * radius,
                0.01 * 3.14159 * radius * radius)
        << "scale " << scale;
  }
  // A map pixel K times as far from the centre reads the same gradient, within a pixel of the
  // plain map (the centres lie between pixels).
  const RenderJob plain = JobOf({"--gradient-space"});
  const RenderJob scaled = JobOf({"--gradient-space", "--scale", "3"});
  const PassResult plainPass = std::get<PassResult>(RunJobPass(plain));
  const PassResult scaledPass = std::get<PassResult>(RunJobPass(scaled));
  for (const auto& [dx, dy] : {std::pair{10, 0}, std::pair{-20, 35}, std::pair{60, -60}}) {
    const auto near = GradientReadoutAtPixel(plainPass.state, plain.width, plain.height,
                                             plain.width / 2 + dx, plain.height / 2 + dy);
    const auto far =
        GradientReadoutAtPixel(scaledPass.state, scaled.width, scaled.height,
                               scaled.width / 2 + 3 * dx, scaled.height / 2 + 3 * dy, 3);
    ASSERT_TRUE(near && far && near->gradient && far->gradient);
    constexpr double kPlainPixel = 1.0 / 50.0;
    EXPECT_NEAR(far->gradient->p, near->gradient->p, kPlainPixel) << dx << ", " << dy;
    EXPECT_NEAR(far->gradient->q, near->gradient->q, kPlainPixel) << dx << ", " << dy;
  }
}

TEST(ReadoutTest, CommandLineWarnsAboutIgnoredOptionsAndRefusesBadPixels) {
  struct Case {
    std::vector<std::string> args;
    int exitStatus;
    std::string out;  // a prefix of stdout
    std::string err;  // stderr exactly; "*" for any message naming --readout
  };
  const std::string kWarning = "gauss-sphere-render: --gradient-space ignores ";
  const TempFolder output;
  const TempFolder logs;
  const std::string kFrom = ": gradient space is seen from +z\n";
  const std::vector<Case> cases = {
      {{"--readout", "0,0", "-o", output.File("pic.ppm")}, 0, "background\n", ""},
      {{"--readout", "196,168", "--rot-x", "5", "--whole-sphere"}, 0, "i=", ""},
      {{"--gradient-space", "--readout", "392,336"}, 0, "i=", ""},
      {{"--gradient-space", "--rot-x", "10", "--whole-sphere", "--readout", "0,0"},
       0,
       "i=",
       kWarning + "--rot-x, --whole-sphere" + kFrom},
      {{"--rot-z", "1", "--gradient-space", "--rot-y", "2", "--readout", "5,5"},
       0,
       "i=",
       kWarning + "--rot-y, --rot-z" + kFrom},
      {{"--gradient-space", "--rot-y", "abc", "--readout", "0,0"},
       2,
       "",
       kWarning + "--rot-y" + kFrom + "gauss-sphere-render: --rot-y: \"abc\" is not a number\n"},
      {{"--readout", "393,0"}, 2, "", "*"},
      {{"--size", "20x10", "--readout", "5,10"}, 2, "", "*"},
      {{"--readout", "-1,0"}, 2, "", "*"},
      {{"--readout", "1,2,3"}, 2, "", "*"},
      {{"--readout", "1.5,2"}, 2, "", "*"},
      {{"--readout", "0,0", "-o", output.File("none/pic.ppm")},
       2,
       "",
       "gauss-sphere-render: cannot write " + output.File("none/pic.ppm") +
           ": No such file or directory\n"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunRenderer(c.args, logs.Path());
    std::string shown;
    for (const std::string& arg : c.args) shown += arg + " ";
    EXPECT_EQ(run.exitStatus, c.exitStatus) << shown << run.err;
    EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << shown;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), c.exitStatus == 0) << shown;
    EXPECT_TRUE(c.err == "*" ? run.err.find("--readout") != std::string::npos : run.err == c.err)
        << shown << ": " << run.err;
    EXPECT_TRUE(output.Entries().empty()) << shown;
  }
}

}  // namespace
