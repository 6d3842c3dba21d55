// The renderer's --write-setup and --setup: a setup written from options paints what those
// options paint, options given beside --setup override it, and a setup that does not read is
// refused before anything is written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_renderer.h"
#include "temp_folder.h"

namespace {

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(SetupCliTest, WrittenSetupPaintsAsItsOptions) {
  TempFolder folder;
  const std::string setup = folder.File("lecture.gsetup");
  struct Row {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> picture;  // what the setup does not hold: what is painted
  };
  const std::vector<Row> rows = {
      {"sphere",
       {"--rot-x",
        "12.5",
        "--rot-z",
        "-40",
        "--slant",
        "61",
        "--function",
        "minnaert",
        "--param",
        "k=1.3",
        "--levels",
        "0.95,0.8,0.7,0.61,0.5,0.4,0.25",
        "--smooth",
        "--grey",
        "--exposure",
        "0.7",
        "--background",
        "grey",
        "--contour-lines",
        "--line-width",
        "3"},
       {}},
      {"formula on the map",
       {"--slant", "35", "--function", "formula", "--formula", "ci^k * ce^(k-1)", "--param",
        "k=0.6", "--light", "40,120", "--light", "50,250", "--lit-by-all", "--gradient-space"},
       {"--gradient-space"}},
  };
  for (const Row& row : rows) {
    const std::vector<std::string> written = With(row.options, {"--write-setup", setup});
    ASSERT_EQ(RunRenderer(written, folder.Path()).exitStatus, 0) << row.name;
    const std::string direct = folder.File("direct.png");
    const std::string fromSetup = folder.File("setup.png");
    ASSERT_EQ(
        RunRenderer(With(row.options, With(row.picture, {"-o", direct})), folder.Path()).exitStatus,
        0);
    ASSERT_EQ(
        RunRenderer(With({"--setup", setup}, With(row.picture, {"-o", fromSetup})), folder.Path())
            .exitStatus,
        0);
    EXPECT_EQ(ReadWholeFile(fromSetup), ReadWholeFile(direct)) << row.name;
    // An option beside the setup overrides its value.
    ASSERT_EQ(RunRenderer(With(row.options, With(row.picture, {"--slant", "5", "-o", direct})),
                          folder.Path())
                  .exitStatus,
              0);
    ASSERT_EQ(
        RunRenderer(With({"--setup", setup, "--slant", "5"}, With(row.picture, {"-o", fromSetup})),
                    folder.Path())
            .exitStatus,
        0);
    EXPECT_EQ(ReadWholeFile(fromSetup), ReadWholeFile(direct)) << row.name << " with --slant 5";
  }
}

TEST(SetupCliTest, RefusedSetupWritesNothing) {
  TempFolder folder;
  const std::string setup = folder.File("bad.gsetup");
  std::ofstream(setup)
      << "{\"program\": \"gauss-sphere\", \"version\": 1, \"sphere\": {\"slant\": \"abc\"}}";
  const std::string picture = folder.File("picture.png");
  const RunResult run = RunRenderer({"--setup", setup, "-o", picture}, folder.Path());
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find(setup), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("sphere.slant"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(picture));
  // A setup that cannot be written leaves no file and is an error.
  const RunResult unwritten =
      RunRenderer({"--write-setup", folder.File("missing/out.gsetup")}, folder.Path());
  EXPECT_EQ(unwritten.exitStatus, 2);
  EXPECT_NE(unwritten.err.find("missing/out.gsetup"), std::string::npos) << unwritten.err;
}

}  // namespace
