#include "render_options.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string_view> Split(const std::vector<std::string>& args) {
  return {args.begin(), args.end()};
}

// A job as text, so that a failing row shows every field that differs.
std::string DescribeJob(const RenderJob& job) {
  std::ostringstream text;
  text << "rotX=" << job.inputs.rotX << " rotY=" << job.inputs.rotY << " rotZ=" << job.inputs.rotZ
       << " slant=" << job.inputs.slant << " s=" << job.inputs.glossS << " n=" << job.inputs.glossN
       << " kind=" << job.reflectanceKind;
  const auto bands = [&](const char* name, const auto& values) {
    text << " " << name << "=";
    if (!values) {
      text << "start-up";
      return;
    }
    for (float v : *values) text << v << ";";
  };
  bands("levels", job.isoLevel);
  bands("halfWidths", job.isoHalfWidth);
  text << " colour=" << job.colourIsolines << " half=" << job.halfSphere << " smooth=" << job.smooth
       << " size=" << job.width << "x" << job.height << " out=" << job.outputPath
       << " format=" << static_cast<int>(job.format) << " formatGiven=" << job.formatGiven
       << " scale=" << job.scale << " threads=" << job.threads << " exposure=" << job.exposure
       << " background=" << job.background.r << "," << job.background.g << "," << job.background.b
       << (job.autoExposure ? " auto" : "");
  return text.str();
}

RenderJob DefaultJob(const std::string& output = "out.ppm") {
  RenderJob job;
  job.outputPath = output;
  return job;
}

TEST(RenderOptionsTest, DefaultsAreTheWindowsStartUpValues) {
  const ParsedCommandLine parsed = ParseRenderOptions(Split({"-o", "out.ppm"}));
  ASSERT_TRUE(std::holds_alternative<RenderJob>(parsed));
  const RenderJob& job = std::get<RenderJob>(parsed);
  EXPECT_EQ(job.inputs.rotX, "30");
  EXPECT_EQ(job.inputs.rotY, "0");
  EXPECT_EQ(job.inputs.rotZ, "0");
  EXPECT_EQ(job.inputs.slant, "0");
  EXPECT_EQ(job.inputs.glossS, "0.5");
  EXPECT_EQ(job.inputs.glossN, "16");
  EXPECT_EQ(job.reflectanceKind, kMatte);
  EXPECT_FALSE(job.isoLevel.has_value());
  EXPECT_FALSE(job.isoHalfWidth.has_value());
  EXPECT_TRUE(job.colourIsolines);
  EXPECT_TRUE(job.halfSphere);
  EXPECT_FALSE(job.smooth);
  EXPECT_EQ(job.width, 393);
  EXPECT_EQ(job.height, 337);
  EXPECT_EQ(job.outputPath, "out.ppm");
  EXPECT_EQ(job.format, PictureFormat::kPpm);
}

struct AcceptedCase {
  std::vector<std::string> args;
  RenderJob expected;
};

RenderJob With(std::function<void(RenderJob&)> change, const std::string& output = "out.ppm") {
  RenderJob job = DefaultJob(output);
  change(job);
  return job;
}

TEST(RenderOptionsTest, EachOptionSetsItsField) {
  const std::vector<AcceptedCase> cases = {
      {{"--rot-x", "-30", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.rotX = "-30"; })},
      {{"--rot-y=12.5", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.rotY = "12.5"; })},
      {{"--rot-z", "90", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.rotZ = "90"; })},
      {{"--slant", "1e1", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.slant = "1e1"; })},
      {{"--s", "0.25", "--n", "4", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.inputs.glossS = "0.25";
         j.inputs.glossN = "4";
       })},
      // Texts reach the shade command unread, blanks and all.
      {{"--slant", " abc ", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.slant = " abc "; })},
      {{"--slant=", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.slant = ""; })},
      {{"--function", "matte", "-o", "out.ppm"}, DefaultJob()},
      {{"--function", "glossy", "-o", "out.ppm"},
       With([](RenderJob& j) { j.reflectanceKind = kGlossy; })},
      {{"--function=rocky", "-o", "out.ppm"},
       With([](RenderJob& j) { j.reflectanceKind = kRocky; })},
      {{"--function", "mirror", "-o", "out.ppm"},
       With([](RenderJob& j) { j.reflectanceKind = kMirror; })},
      {{"--levels", "1,2,3,4,5,6,7", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.isoLevel = {{1, 2, 3, 4, 5, 6, 7}};
       })},
      {{"--levels", " 0.95, -0.5,1e-1,0,.5,5.,-0", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.isoLevel = {{0.95F, -0.5F, 0.1F, 0.0F, 0.5F, 5.0F, -0.0F}};
       })},
      {{"--half-widths=0.01,0.02,0.03,0.04,0.05,0.06,0.07", "-o", "out.ppm"},
       With([](RenderJob& j) {
         j.isoHalfWidth = {{0.01F, 0.02F, 0.03F, 0.04F, 0.05F, 0.06F, 0.07F}};
       })},
      {{"--grey", "-o", "out.ppm"}, With([](RenderJob& j) { j.colourIsolines = false; })},
      {{"--whole-sphere", "-o", "out.ppm"}, With([](RenderJob& j) { j.halfSphere = false; })},
      {{"--smooth", "-o", "out.ppm"}, With([](RenderJob& j) { j.smooth = true; })},
      {{"--size", "800x600", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.width = 800;
         j.height = 600;
       })},
      {{"--size=1x10000", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.width = 1;
         j.height = 10000;
       })},
      {{"--size", "0010x0020", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.width = 10;
         j.height = 20;
       })},
      // --scale magnifies the default size, never a size given.
      {{"--scale", "4", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.scale = 4;
         j.width = 1572;
         j.height = 1348;
       })},
      {{"--size", "20x30", "--scale=16", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.scale = 16;
         j.width = 20;
         j.height = 30;
       })},
      {{"--scale", "1", "-o", "out.ppm"}, DefaultJob()},
      // The exposure's range includes both ends.
      {{"--exposure", "0.1", "-o", "out.ppm"}, With([](RenderJob& j) { j.exposure = 0.1; })},
      {{"--exposure", "10", "-o", "out.ppm"}, With([](RenderJob& j) { j.exposure = 10.0; })},
      {{"--exposure", "auto", "-o", "out.ppm"}, With([](RenderJob& j) { j.autoExposure = true; })},
      {{"--background", "grey", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.background = Rgb{128, 128, 128};
       })},
      {{"--readout", "400,10", "--scale", "2"},
       With(
           [](RenderJob& j) {
             j.scale = 2;
             j.width = 786;
             j.height = 674;
             j.readout = PixelPosition{400, 10};
           },
           "")},
      {{"--threads", "3", "-o", "out.ppm"}, With([](RenderJob& j) { j.threads = 3; })},
      {{"--threads=256", "-o", "out.ppm"}, With([](RenderJob& j) { j.threads = 256; })},
      {{"-o", "dir/pic.PNG"},
       With([](RenderJob& j) { j.format = PictureFormat::kPng; }, "dir/pic.PNG")},
      {{"-o", "a.b/pic.Ppm"}, DefaultJob("a.b/pic.Ppm")},
      {{"-o", "pic.bmp"}, With([](RenderJob& j) { j.format = PictureFormat::kBmp; }, "pic.bmp")},
      {{"-o", "-"}, DefaultJob("-")},
      // --format overrides the extension, and needs none; "-" is standard output.
      {{"--format", "png", "-o", "-"},
       With(
           [](RenderJob& j) {
             j.format = PictureFormat::kPng;
             j.formatGiven = true;
           },
           "-")},
      {{"-o", "pic.png", "--format=BMP"},
       With(
           [](RenderJob& j) {
             j.format = PictureFormat::kBmp;
             j.formatGiven = true;
           },
           "pic.png")},
      {{"--format", "ppm", "-o", "pic"}, With([](RenderJob& j) { j.formatGiven = true; }, "pic")},
      {{"-oout.ppm"}, DefaultJob()},
      {{"--output", "out.ppm"}, DefaultJob()},
      // A value that starts with a dash is still the option's value, not an option.
      {{"--slant", "-1e1", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.slant = "-1e1"; })},
      {{"--rot-z=-5", "--rot-y", "-0", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.inputs.rotZ = "-5";
         j.inputs.rotY = "-0";
       })},
      {{"--s", "-1", "--n", "-2", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.inputs.glossS = "-1";
         j.inputs.glossN = "-2";
       })},
      {{"--levels", "-1,-2,-3,-4,-5,-6,-7", "-o", "out.ppm"}, With([](RenderJob& j) {
         j.isoLevel = {{-1, -2, -3, -4, -5, -6, -7}};
       })},
      {{"--rot-x", "-o", "-o", "out.ppm"}, With([](RenderJob& j) { j.inputs.rotX = "-o"; })},
      {{"-o", "-dash.ppm"}, DefaultJob("-dash.ppm")},
      // The output may come first; a later option replaces an earlier one.
      {{"-o", "first.ppm", "--slant", "1", "--slant", "2", "-o", "out.ppm"},
       With([](RenderJob& j) { j.inputs.slant = "2"; })},
  };
  for (const AcceptedCase& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += "[" + a + "] ";
    const ParsedCommandLine parsed = ParseRenderOptions(Split(c.args));
    ASSERT_TRUE(std::holds_alternative<RenderJob>(parsed))
        << shown
        << (std::holds_alternative<OptionError>(parsed) ? std::get<OptionError>(parsed).message
                                                        : "help");
    EXPECT_EQ(DescribeJob(std::get<RenderJob>(parsed)), DescribeJob(c.expected)) << shown;
  }
}

struct RejectedCase {
  std::vector<std::string> args;
  std::string mentioned;  // the message names the problem or the offending text
};

TEST(RenderOptionsTest, BadOptionsGiveAnErrorNamingThem) {
  const std::vector<RejectedCase> cases = {
      {{}, "-o"},
      {{"--grey"}, "-o"},
      {{"-o"}, "Missing value after '-o'"},
      {{"-o", "out.ppm", "--slant"}, "Missing value after '--slant'"},
      {{"--bogus", "-o", "out.ppm"}, "'bogus'"},
      {{"-x", "-o", "out.ppm"}, "'x'"},
      {{"--rot-x-extra=3", "-o", "out.ppm"}, "'rot-x-extra'"},
      {{"stray", "-o", "out.ppm"}, "stray"},
      {{"-o", "out.ppm", "--", "--grey"}, "--grey"},
      {{"--grey=1", "-o", "out.ppm"}, "--grey"},
      {{"--function", "phong", "-o", "out.ppm"}, "phong"},
      {{"--function", "Matte", "-o", "out.ppm"}, "Matte"},
      {{"--levels", "1,2,3", "-o", "out.ppm"}, "got 3"},
      {{"--levels", "1,2,3,4,5,6,7,8", "-o", "out.ppm"}, "got 8"},
      {{"--levels", "", "-o", "out.ppm"}, "got 1"},
      {{"--levels", "1,2,3,4,5,6,", "-o", "out.ppm"}, "element 6"},
      {{"--levels", "1,2,,4,5,6,7", "-o", "out.ppm"}, "element 2"},
      {{"--levels", "1,2,3,4,5,6,x", "-o", "out.ppm"}, "\"x\""},
      {{"--levels", "1,2,3,4,5,6,nan", "-o", "out.ppm"}, "\"nan\""},
      {{"--levels", "1e39,2,3,4,5,6,7", "-o", "out.ppm"}, "range"},
      {{"--half-widths", "1;2;3;4;5;6;7", "-o", "out.ppm"}, "--half-widths"},
      {{"--half-widths", "0,5,0,5,0,5,0,5,0,5,0,5,0,5", "-o", "out.ppm"}, "got 14"},
      {{"--size", "0x0", "-o", "out.ppm"}, "0x0"},
      {{"--size", "10001x5", "-o", "out.ppm"}, "10001x5"},
      {{"--size", "5x10001", "-o", "out.ppm"}, "5x10001"},
      {{"--size", "400", "-o", "out.ppm"}, "--size"},
      {{"--size", "-4x5", "-o", "out.ppm"}, "--size"},
      {{"--size", "+4x5", "-o", "out.ppm"}, "--size"},
      {{"--size", "4x", "-o", "out.ppm"}, "--size"},
      {{"--size", "x4", "-o", "out.ppm"}, "--size"},
      {{"--size", "4x5x6", "-o", "out.ppm"}, "--size"},
      {{"--size", "4.5x5", "-o", "out.ppm"}, "--size"},
      {{"--size", " 4x5", "-o", "out.ppm"}, "--size"},
      {{"--size", "99999999999999999999999x5", "-o", "out.ppm"}, "--size"},
      {{"--scale", "0", "-o", "out.ppm"}, "--scale"},
      {{"--exposure", "10.01", "-o", "out.ppm"}, "--exposure"},
      {{"--exposure", "0", "-o", "out.ppm"}, "--exposure"},
      {{"--background", "Black", "-o", "out.ppm"}, "--background"},
      {{"--scale", "17", "-o", "out.ppm"}, "\"17\""},
      {{"--scale", "2.5", "-o", "out.ppm"}, "--scale"},
      {{"--threads", "0", "-o", "out.ppm"}, "--threads"},
      {{"--threads", "257", "-o", "out.ppm"}, "\"257\""},
      {{"--threads", "-1", "-o", "out.ppm"}, "--threads"},
      {{"--readout", "400,10", "--scale", "1"}, "400"},
      {{"-o", "pic.jpg"}, "pic.jpg"},
      {{"-o", "pic.txt"}, ".ppm, .png, .bmp, .svg or .pdf"},
      {{"-o", ""}, "-o needs a file name"},
      {{"--format", "jpg", "-o", "pic.png"}, "\"jpg\""},
      {{"--format", "", "-o", "-"}, "--format must be ppm, png, bmp, svg or pdf"},
      {{"-o", "dir/.svg"}, "dir/.svg"},
      {{"-o", "pic"}, "pic"},
      {{"-o", ".png"}, ".png"},
      {{"-o", "dir/.ppm"}, "dir/.ppm"},
      {{"-o", "dir.png/pic"}, "dir.png/pic"},
      // --plain paints no bands: what would shape them is refused, not dropped.
      {{"--plain", "--half-widths", "0,0,0,0,0,0,0", "-o", "out.ppm"}, "--half-widths"},
      {{"--plain", "--contour-lines", "-o", "out.ppm"}, "--contour-lines"},
      {{"--plain", "--write-setup", "out.gsetup"}, "--write-setup"},
      {{"--plain", "--phase-curve", "-o", "c.csv"}, "--plain"},
  };
  for (const RejectedCase& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += "[" + a + "] ";
    const ParsedCommandLine parsed = ParseRenderOptions(Split(c.args));
    ASSERT_TRUE(std::holds_alternative<OptionError>(parsed)) << shown;
    EXPECT_NE(std::get<OptionError>(parsed).message.find(c.mentioned), std::string::npos)
        << shown << "message: " << std::get<OptionError>(parsed).message;
  }
}

TEST(RenderOptionsTest, HelpWinsOverLaterProblems) {
  const std::vector<std::vector<std::string>> cases = {{"--help"},
                                                       {"-h"},
                                                       {"--help-all"},
                                                       {"--grey", "--help", "--bogus"},
                                                       {"--size", "2x2", "-h"},
                                                       {"--version", "--help"}};
  for (const auto& args : cases) {
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseRenderOptions(Split(args))))
        << args.front();
  }
  // An option's value is never taken for --help.
  EXPECT_TRUE(std::holds_alternative<RenderJob>(
      ParseRenderOptions(Split({"--slant", "--help", "-o", "out.ppm"}))));
}

TEST(RenderOptionsTest, VersionNeedsNoOutputFile) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--version"}, {"-v"}, {"--grey", "-v"}}) {
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(ParseRenderOptions(Split(args))))
        << args.front();
  }
}

}  // namespace
