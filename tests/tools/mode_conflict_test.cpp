// Options of two modes, or of a mode and a scene that do not go together, are refused by name and
// write nothing; the options a surface's image ignores warn and leave it as it was; shape from
// shading reads the image and the source that --source chooses, together.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

TEST(ModeConflict, TwoModesOrAModeAndAWrongSceneAreRefusedByName) {
  TempFolder folder;
  const std::string gif = folder.File("x.gif");
  const std::string png = folder.File("x.png");
  const auto hills = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"--surface", "hills", "--surface-size", "32x32"});
    return args;
  };
  struct Case {
    std::vector<std::string> args;
    std::string first, second;  // both named in the message
  };
  const std::vector<Case> cases = {
      {hills({"--recover", "ps", "--light", "30,90", "--light", "30,200", "--sweep", "slant=0:10:3",
              "-o", gif}),
       "--sweep", "--recover"},
      {hills({"--compare", "matte,glossy", "-o", png}), "--surface", "--compare"},
      {{"--sweep", "slant=0:10:3", "--readout", "10,10", "-o", gif}, "--readout", "--sweep"},
      {{"--sweep", "slant=0:10:3", "--slant", "20", "-o", gif}, "--slant", "--sweep slant"},
      {{"--phase-curve", "--exposure", "0.5", "-o", folder.File("c.csv")},
       "--exposure",
       "--phase-curve"},
      {hills({"--recover", "sfs-horn", "--integrate", "fc"}), "--integrate", "--recover sfs-horn"},
      {hills({"--recover", "ps", "--light", "30,90", "--light", "30,200", "--source", "2"}),
       "--source", "--recover ps"},
      {hills({"--light", "30,90", "-o", png}), "--light", "--source"},
      {hills({"--readout", "3,3", "--source", "1", "--light", "30,90"}), "--source", "--readout"},
  };
  for (const Case& c : cases) {
    const RunResult run = RenderInProcess(c.args);
    EXPECT_EQ(run.exitStatus, 2) << c.first << " " << c.second << ": " << run.out;
    EXPECT_NE(run.err.find(c.first), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.second), std::string::npos) << run.err;
    EXPECT_TRUE(folder.Entries().empty()) << c.first << " " << c.second;
  }
}

TEST(ModeConflict, ASurfaceImageWarnsOfTheRotationsAndIgnoresThem) {
  TempFolder folder;
  const std::vector<std::string> hills = {"--surface", "hills", "--surface-size", "32x32", "-o"};
  std::vector<std::string> plain = hills, turned = hills;
  plain.push_back(folder.File("plain.png"));
  turned.insert(turned.end(), {folder.File("turned.png"), "--rot-x", "10", "--rot-z", "40"});
  const RunResult first = RenderInProcess(plain);
  const RunResult second = RenderInProcess(turned);
  ASSERT_EQ(first.exitStatus, 0) << first.err;
  ASSERT_EQ(second.exitStatus, 0) << second.err;
  EXPECT_EQ(first.err, "");
  EXPECT_EQ(second.err,
            "gauss-sphere-render: --surface ignores --rot-x, --rot-z: a surface image is seen "
            "from +z\n");
  EXPECT_EQ(ReadWholeFile(folder.File("plain.png")), ReadWholeFile(folder.File("turned.png")));
}

// Source 2 aimed where a described source of slant 30 is: shape from shading under it is that of
// --slant 30, image and source alike (the image alone, or the source alone, would differ).
TEST(ModeConflict, ShapeFromShadingReadsTheChosenSourceAndItsImage) {
  const std::vector<std::string> hills = {"--surface", "hills", "--surface-size", "32x32"};
  for (const char* method : {"sfs-tsai-shah", "sfs-horn"}) {
    std::vector<std::string> described = hills, chosen = hills, first = hills;
    described.insert(described.end(), {"--slant", "30", "--recover", method});
    chosen.insert(chosen.end(), {"--light", "30,0", "--source", "2", "--recover", method});
    first.insert(first.end(), {"--light", "30,0", "--source", "1", "--recover", method});
    const RunResult a = RenderInProcess(described), b = RenderInProcess(chosen),
                    c = RenderInProcess(first);
    ASSERT_EQ(a.exitStatus, 0) << a.err;
    ASSERT_EQ(b.exitStatus, 0) << b.err;
    EXPECT_EQ(b.out, a.out) << method;
    EXPECT_NE(c.out, a.out) << method;
  }
}

}  // namespace
