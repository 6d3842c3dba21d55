// The renderer's figure over the gradient-space map: --light, --through, --lit-by-all and
// --marks are read and checked, draw only in the marks' colours over the unchanged map, and the
// readout adds phi2= and phi3=.

#include "figure_options.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "render_options.h"
#include "render_tool.h"
#include "shading/figure_marks.h"
#include "shading/gradient_view.h"
#include "shading/lit_by_all.h"
#include "shading/readout.h"
#include "shading/source_phi.h"

namespace {

std::variant<RenderJob, HelpRequest, VersionRequest, OptionError> Parse(
    std::vector<std::string> args) {
  return ParseRenderOptions({args.begin(), args.end()});
}

RenderJob JobOf(std::vector<std::string> args) {
  const ParsedCommandLine parsed = Parse(args);
  EXPECT_TRUE(std::holds_alternative<RenderJob>(parsed)) << args.front();
  return std::holds_alternative<RenderJob>(parsed) ? std::get<RenderJob>(parsed) : RenderJob{};
}

TEST(FigureOptions, RefusesWhatTheFigureCannotDraw) {
  const struct {
    std::vector<std::string> args;
    const char* message;  // a part of the message
  } kRows[] = {
      {{"--light", "30,90"}, "give --gradient-space"},
      {{"--through", "0,0"}, "give --gradient-space"},
      {{"--lit-by-all"}, "give --gradient-space"},
      {{"--marks"}, "give --gradient-space"},
      {{"--gradient-space", "--light", "1,2", "--light", "3,4", "--light", "5,6"}, "at most 2"},
      {{"--gradient-space", "--light", "30"}, "SLANT,TILT"},
      {{"--gradient-space", "--light", "30,abc"}, "\"30,abc\""},
      {{"--gradient-space", "--light", "1,2,3"}, "SLANT,TILT"},
      {{"--gradient-space", "--light", "1e999,0"}, "SLANT,TILT"},
      {{"--gradient-space", "--light", "inf,0"}, "SLANT,TILT"},
      {{"--gradient-space", "--through", "0.5"}, "P,Q"},
      {{"--gradient-space", "--through", "0,1e400"}, "P,Q"},
  };
  for (const auto& row : kRows) {
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"-o", "map.ppm"});
    const ParsedCommandLine parsed = Parse(args);
    ASSERT_TRUE(std::holds_alternative<OptionError>(parsed)) << args[1];
    EXPECT_NE(std::get<OptionError>(parsed).message.find(row.message), std::string::npos)
        << std::get<OptionError>(parsed).message;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> views(args.begin(), args.end());
    EXPECT_EQ(RunRenderTool(views, out, err), 2) << args[1];
  }
  const RenderJob job = JobOf({"--gradient-space", "--light", "30,90", "--light", "-20.5,1e1",
                               "--through", "0.25,-1", "-o", "map.ppm"});
  ASSERT_EQ(job.extraSources.size(), 2U);
  EXPECT_EQ(job.extraSources[1].slantDegrees, -20.5);
  EXPECT_EQ(job.extraSources[1].tiltDegrees, 10.0);
  EXPECT_EQ(job.through->q, -1.0);
}

// Beside the plain map, a figure changes pixels only to the marks' colours (the axes' colour
// where the hatch goes under the axes, as it does), and the plain map is the same with or without
// the figure's code.
TEST(FigureOptions, FigureChangesOnlyPixelsItMarks) {
  std::set<std::tuple<int, int, int>> markColours;
  for (Rgb c : kSourceColours) markColours.insert({c.r, c.g, c.b});
  for (Rgb c : {kCrossingColour, kSharedCrossingColour, kLitHatchColour}) {
    markColours.insert({c.r, c.g, c.b});
  }
  const std::vector<std::vector<std::string>> figures = {
      {"--marks"},
      {"--light", "30,90", "--through", "0.3,-0.2"},
      {"--light", "30,90", "--light", "40,220", "--through", "0.3,-0.2", "--lit-by-all"},
  };
  for (const auto& figure : figures) {
    std::vector<std::string> args{"--gradient-space", "--slant", "30",     "--function",
                                  "glossy",           "-o",      "map.ppm"};
    const PassResult plain = std::get<PassResult>(RunJobPass(JobOf({args.begin(), args.end()})));
    args.insert(args.end(), figure.begin(), figure.end());
    const PassResult marked = std::get<PassResult>(RunJobPass(JobOf(args)));
    int changed = 0;
    int faults = 0;
    for (int y = 0; y < plain.picture.Height(); ++y) {
      for (int x = 0; x < plain.picture.Width(); ++x) {
        const Rgb before = plain.picture.At(x, y);
        const Rgb after = marked.picture.At(x, y);
        if (before == after) continue;
        ++changed;
        faults += markColours.count({after.r, after.g, after.b}) ? 0 : 1;
      }
    }
    EXPECT_GT(changed, 100) << figure.front();
    EXPECT_EQ(faults, 0) << figure.front();
    EXPECT_EQ(plain.state, marked.state) << figure.front();
  }
}

TEST(FigureOptions, ReadoutAddsEachExtraSourcesPhi) {
  const RenderJob one = JobOf({"--gradient-space", "--readout", "100,80"});
  const std::string plainLine = std::get<std::string>(RenderReadoutLine(one));
  EXPECT_EQ(plainLine.find("phi2="), std::string::npos);
  const RenderJob three =
      JobOf({"--gradient-space", "--light", "45,90", "--light", "30,180", "--readout", "100,80"});
  const std::string line = std::get<std::string>(RenderReadoutLine(three));
  const PassResult pass = std::get<PassResult>(RunJobPass(three));
  const std::vector<float> phis =
      SourcePhisAtPixel(pass.state, three.extraSources, GradientView{}, 393, 337, 100, 80);
  EXPECT_EQ(line, plainLine + FormatSourcePhis(phis));
  EXPECT_NE(line.find(" phi2="), std::string::npos);
  EXPECT_NE(line.find(" phi3="), std::string::npos);
  EXPECT_EQ(FormatSourcePhis({0.8244F, -0.5F}), " phi2=0.824 phi3=-0.500");
  EXPECT_EQ(FormatSourcePhis({}), "");
}

}  // namespace
