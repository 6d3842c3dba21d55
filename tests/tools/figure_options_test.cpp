// The renderer's figure over the gradient-space map: --light, --through, --lit-by-all and
// --marks are checked, the figure changes only the pixels it draws, and the readout adds phi2=
// and phi3=.

#include "figure_options.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "gradient/source_phi.h"
#include "headless_gui.h"
#include "job_overlay.h"
#include "pass/readout.h"
#include "render_options.h"
#include "render_tool.h"

namespace {

RenderJob JobOf(std::vector<std::string> args) {
  const ParsedCommandLine parsed = ParseRenderOptions({args.begin(), args.end()});
  EXPECT_TRUE(std::holds_alternative<RenderJob>(parsed)) << args.front();
  return std::holds_alternative<RenderJob>(parsed) ? std::get<RenderJob>(parsed) : RenderJob{};
}

TEST(FigureOptions, RefusesWhatTheFigureCannotDraw) {
  const struct {
    std::vector<std::string> args;
    const char* message;  // a part of the message
  } kRows[] = {
      {{"--light", "30,90"}, "give --gradient-space"},
      {{"--lit-by-all"}, "give --gradient-space"},
      {{"--gradient-space", "--light", "1,2", "--light", "3,4", "--light", "5,6", "--light", "7,8",
        "--light", "9,10", "--light", "11,12", "--light", "13,14", "--light", "15,16"},
       "at most 7"},
      {{"--gradient-space", "--light", "30,abc"}, "SLANT,TILT, two numbers in degrees, got \""},
      {{"--gradient-space", "--light", "1,2,3"}, "SLANT,TILT"},
      {{"--gradient-space", "--light", "1e999,0"}, "SLANT,TILT"},
      {{"--gradient-space", "--light", "1e300,0"}, "the slant \"1e300\" is too large"},
      {{"--gradient-space", "--light", "0,-3e40"}, "the tilt \"-3e40\" is too large"},
      {{"--gradient-space", "--through", "0.5"}, "P,Q"},
      {{"--gradient-space", "--source-mark"}, "draw on the sphere"},
      {{"--gradient-space", "--outline", "--contour-lines"}, "draw on the sphere"},
      {{"--line-width", "0"}, "--line-width needs a whole number from 1 to 4, got \"0\""},
      {{"--line-width", "5"}, "got \"5\""},
      {{"--line-width", "2.5"}, "got \"2.5\""},
  };
  for (const auto& row : kRows) {
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"-o", "map.ppm"});
    std::ostringstream out, err;
    EXPECT_EQ(RunRenderTool({args.begin(), args.end()}, out, err), 2) << args[1];
    EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
  }
  const RenderJob job = JobOf({"--gradient-space", "--light", "30,90", "--light", "-20.5,1e1",
                               "--through", "0.25,-1", "-o", "map.ppm"});
  ASSERT_EQ(job.extraSources.size(), 2U);
  EXPECT_EQ(job.extraSources[1].tiltDegrees, 10.0);
  EXPECT_EQ(job.through->q, -1.0);
}

// The picture written is the pass's colours wherever the figure drawn alone (on a transparent
// picture) leaves a pixel clear; the axes and their text alone cover the least of it.
TEST(FigureOptions, FigureChangesOnlyPixelsItDraws) {
  int least = 0;
  for (const std::vector<std::string>& figure : std::vector<std::vector<std::string>>{
           {},
           {"--marks"},
           {"--light", "30,90", "--through", "0.3,-0.2"},
           {"--light", "30,90", "--light", "40,220", "--through", "0.3,-0.2", "--lit-by-all"}}) {
    std::vector<std::string> args{"--gradient-space", "--slant", "30",     "--function",
                                  "glossy",           "--scale", "2",      "--size",
                                  "300x240",          "-o",      "map.ppm"};
    args.insert(args.end(), figure.begin(), figure.end());
    const std::string what = figure.empty() ? "axes" : figure.back();
    const RenderJob job = JobOf(args);
    const PassResult pass = std::get<PassResult>(RunJobPass(job));
    const ImageBuffer written = std::get<ImageBuffer>(RenderPicture(job));
    QImage alone(300, 240, QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    alone.setDevicePixelRatio(job.scale);
    EnsureHeadlessGui();
    {
      QPainter painter(&alone);
      PaintJobOverlay(job, pass.state, painter, alone.size());
    }
    int drawn = 0, faults = 0;
    for (int y = 0; y < 240; ++y) {
      for (int x = 0; x < 300; ++x) {
        if (qAlpha(alone.pixel(x, y)) != 0) {
          ++drawn;
        } else {
          faults += written.At(x, y) == pass.picture.At(x, y) ? 0 : 1;
        }
      }
    }
    EXPECT_EQ(faults, 0) << what;
    EXPECT_GT(drawn, least) << what;
    EXPECT_LT(drawn, 300 * 240 / 2) << what;
    if (least == 0) least = drawn;
  }
}

// Contour lines replace the bands: the pass paints the picture of levels no phi reaches, and the
// sphere's marks change only the pixels they draw, more with a wider line.
TEST(FigureOptions, SphereMarksDrawOverTheBandlessPass) {
  const std::vector<std::string> base{"--slant", "40", "--function", "glossy", "-o", "s.ppm"};
  std::vector<std::string> noBands = base;
  noBands.insert(noBands.end(), {"--levels", "50,50,50,50,50,50,50"});
  int narrow = 0;
  for (const char* width : {"1", "3"}) {
    std::vector<std::string> args = base;
    args.insert(args.end(),
                {"--contour-lines", "--outline", "--source-mark", "--line-width", width});
    const RenderJob job = JobOf(args);
    const PassResult pass = std::get<PassResult>(RunJobPass(job));
    const PassResult bandless = std::get<PassResult>(RunJobPass(JobOf(noBands)));
    EXPECT_TRUE(
        std::equal(pass.picture.Row(0), pass.picture.Row(0) + 393 * 337, bandless.picture.Row(0)));
    const ImageBuffer written = std::get<ImageBuffer>(RenderPicture(job));
    QImage alone(393, 337, QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    EnsureHeadlessGui();
    {
      QPainter painter(&alone);
      PaintJobOverlay(job, pass.state, painter, alone.size());
    }
    int drawn = 0, faults = 0;
    for (int y = 0; y < 337; ++y) {
      for (int x = 0; x < 393; ++x) {
        if (qAlpha(alone.pixel(x, y)) != 0) {
          ++drawn;
        } else {
          faults += written.At(x, y) == pass.picture.At(x, y) ? 0 : 1;
        }
      }
    }
    EXPECT_EQ(faults, 0) << width;
    EXPECT_GT(drawn, narrow + 500) << width;
    narrow = drawn;
  }
}

TEST(FigureOptions, ReadoutAddsEachExtraSourcesPhi) {
  const std::string plain =
      std::get<std::string>(RenderReadoutLine(JobOf({"--gradient-space", "--readout", "100,80"})));
  const RenderJob three =
      JobOf({"--gradient-space", "--light", "45,90", "--light", "30,180", "--readout", "100,80"});
  const PassResult pass = std::get<PassResult>(RunJobPass(three));
  const std::vector<float> phis =
      SourcePhisAtPixel(pass.state, three.extraSources, GradientView{}, 393, 337, 100, 80);
  const std::string line = std::get<std::string>(RenderReadoutLine(three));
  ASSERT_EQ(line.rfind(plain + " phi2=", 0), 0U) << line;
  const size_t phi3 = line.find(" phi3=");
  ASSERT_NE(phi3, std::string::npos) << line;
  EXPECT_NEAR(std::stod(line.substr(plain.size() + 6)), phis[0], 5e-4) << line;
  EXPECT_NEAR(std::stod(line.substr(phi3 + 6)), phis[1], 5e-4) << line;
  EXPECT_EQ(FormatSourcePhis({0.8244F, -0.5F}), " phi2=0.824 phi3=-0.500");
}

}  // namespace
