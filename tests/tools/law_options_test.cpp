// The renderer's additional laws: --function names, --param and --formula, what they refuse
// (exit status 2 and a message), and that every law paints, reads out and maps.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>

#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) text += arg + " ";
  return text;
}

TEST(LawOptionsTest, RefusesUnknownLawsParametersAndValues) {
  const struct {
    std::vector<std::string> args;
    std::string message;  // a part of stderr
  } kRows[] = {
      {{"--function", "phong"}, "--function must be one of matte, glossy"},
      {{"--function", "minnaert", "--param", "q=1"}, "has no parameter \"q\"; its parameters: k"},
      {{"--function", "lommel-seeliger", "--param", "k=1"}, "it takes none"},
      {{"--function", "minnaert", "--param", "k=2.5"}, "out of range: k lies from 0 to 2"},
      {{"--function", "oren-nayar", "--param", "sigma=-1"}, "sigma lies from 0 to 60"},
      {{"--function", "hapke", "--param", "xi=1"}, "xi lies from -0.99 to 0.99"},
      {{"--function", "cook-torrance", "--param", "m=0"}, "m lies from 0.01 to 1"},
      {{"--function", "hapke-rough", "--param", "Hyear=1990"}, "Hyear takes 1981 or 2002"},
      {{"--function", "hapke-rough", "--param", "theta=61"}, "theta lies from 0 to 60"},
      {{"--function", "blinn-phong", "--param", "n=nan"}, "must be a number, got \"nan\""},
      {{"--function", "lunar-lambert", "--param", "L=mcEwen"}, "must be a number"},
      {{"--function", "minnaert", "--param", "k"}, "--param must be NAME=VALUE"},
      {{"--function", "minnaert", "--param", "=5"}, "--param must be NAME=VALUE"},
      {{"--function", "lommel-seeliger", "--formula", "ci"}, "--formula needs --function formula"},
      {{"--function", "formula", "--formula", "ci", "--param", std::string(100000, 'a') + "=1"},
       "Имя параметра «" + std::string(40, 'a') + "…» не годится"},
      {{"--param", "k=1"}, "only the additional laws take --param"},
      {{"--function", "glossy", "--formula", "ci"}, "--formula needs --function formula"},
      {{"--function", "formula"}, "--function formula needs --formula TEXT"},
      {{"--function", "formula", "--formula", "cos(x)"},
       "Формула не прочитана: в позиции 5 неизвестное имя «x»"},
      {{"--function", "formula", "--formula", "ci +"}, "в позиции 5 выражение оборвано"},
      {{"--function", "formula", "--formula", "ci*a", "--param", "a=1e999"}, "must be a number"},
      {{"--function", "formula", "--formula", "ci", "--param", "sin=1"}, "«sin» уже занято"},
  };
  for (const auto& row : kRows) {
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"--readout", "1,1", "--language", "ru"});
    const RunResult run = RenderInProcess(args);
    EXPECT_EQ(run.exitStatus, kExitFailure) << Joined(row.args);
    EXPECT_NE(run.err.find(row.message), std::string::npos) << Joined(row.args) << run.err;
  }
}

// At a lit pixel inside the sphere, the line of each law with its start values, and with the
// parameters given, on the sphere and in gradient space.
TEST(LawOptionsTest, EveryLawReadsOutOnTheSphereAndInGradientSpace) {
  const std::vector<std::vector<std::string>> kLaws = {
      {"--function", "minnaert", "--param", "k=0.5"},
      {"--function", "lommel-seeliger"},
      {"--function", "lunar-lambert", "--param", "L=mcewen"},
      {"--function", "oren-nayar", "--param", "sigma=45"},
      {"--function", "hapke", "--param", "w=0.5", "--param", "B0=0.5", "--param", "h=0.1",
       "--param", "xi=0.2"},
      {"--function", "blinn-phong", "--param", "s=0.3", "--param", "n=40"},
      {"--function", "cook-torrance", "--param", "s=0.3", "--param", "m=0.2", "--param", "F0=0.1"},
      {"--function", "formula", "--formula", "a*ci + b", "--param", "a=0.5", "--param", "b=0.25"},
  };
  for (const auto& law : kLaws) {
    for (bool gradient : {false, true}) {
      std::vector<std::string> args = law;
      args.insert(args.end(), {"--slant", "20", "--readout", "200,160"});
      if (gradient) args.push_back("--gradient-space");
      const RunResult run = RenderInProcess(args);
      EXPECT_EQ(run.exitStatus, kExitSuccess) << Joined(args) << run.err;
      EXPECT_EQ(run.out.rfind("i=", 0), 0U) << Joined(args) << run.out;
      EXPECT_EQ(run.err, "") << Joined(args);
    }
  }
  // The formula's parameters reach it: a*ci + b near the centre of gradient space.
  const RunResult centre = RenderInProcess({"--function", "formula", "--formula", "a*ci + b",
                                            "--param", "a=0.5", "--param", "b=0.25", "--slant",
                                            "20", "--gradient-space", "--readout", "196,168"});
  double angleI = 0.0, phi = 0.0;
  ASSERT_EQ(std::sscanf(centre.out.c_str(), "i=%lf e=%*f g=%*f phi=%lf", &angleI, &phi), 2);
  EXPECT_NEAR(phi, 0.5 * std::cos(angleI * std::numbers::pi / 180.0) + 0.25, 0.002) << centre.out;
}

// The binary itself: a formula that does not read is exit status 2 with the message (in English
// by default), and a law's picture is written.
TEST(LawOptionsTest, BinaryPaintsALawAndRefusesABadFormula) {
  TempFolder folder;
  const RunResult bad = RunRenderer(
      {"--function", "formula", "--formula", "ci*q", "-o", folder.File("a.png")}, folder.Path());
  EXPECT_EQ(bad.exitStatus, 2);
  EXPECT_NE(bad.err.find("at position 4, the unknown name “q”"), std::string::npos) << bad.err;
  const RunResult good =
      RunRenderer({"--function", "cook-torrance", "--param", "m=0.2", "-o", folder.File("b.png")},
                  folder.Path());
  EXPECT_EQ(good.exitStatus, 0) << good.err;
  EXPECT_TRUE(std::filesystem::exists(folder.File("b.png")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("a.png")));
}

}  // namespace
