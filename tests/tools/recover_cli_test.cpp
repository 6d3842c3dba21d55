// The renderer's recovery: the report's depth figures are those of the height it writes, read
// back; photometric stereo of Lambert images is close and Cook-Torrance taken for Lambert is not;
// coincident lights are refused and nothing is written.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "elevation/elevation_model.h"
#include "recovery/recovery_report.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "surface/surface_catalogue.h"
#include "temp_folder.h"

namespace {

double Figure(const std::string& report, const std::string& name) {
  const size_t at = report.find(name + "=");
  EXPECT_NE(at, std::string::npos) << name;
  return std::stod(report.substr(at + name.size() + 1));
}

TEST(RecoverCli, TheReportIsThatOfTheHeightWritten) {
  TempFolder folder;
  const RunResult run =
      RenderInProcess({"--surface", "hemisphere", "--surface-size", "64x64", "--slant", "40",
                       "--recover", "sfs-horn", "--height-out", folder.File("h.asc")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const auto read = ReadElevationModel(folder.File("h.asc"));
  ASSERT_TRUE(std::holds_alternative<HeightField>(read));
  const HeightField truth = MakeSurface(*FindSurfaceKind("hemisphere"), 64, 64,
                                        StartValues(*FindSurfaceKind("hemisphere")));
  const RecoveryReport again = MeasureRecovery(truth, &std::get<HeightField>(read), nullptr);
  for (const auto& [name, value] :
       {std::pair{"depth_rms", again.depthRms}, std::pair{"mean_depth_error", again.meanDepthError},
        std::pair{"std_depth_error", again.stdDepthError}}) {
    EXPECT_NEAR(Figure(run.out, name), value, 1e-5 * std::max(1.0, value)) << name;
  }
}

TEST(RecoverCli, StereoIsCloseForLambertAndNotForAGlossyLaw) {
  const std::vector<std::string> three{"--surface", "hills",  "--surface-size", "96x96",
                                       "--slant",   "30",     "--light",        "30,120",
                                       "--light",   "30,240", "--recover",      "ps"};
  RunResult run = RenderInProcess(three);
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_LT(Figure(run.out, "mean_angular_error_deg"), 0.05);
  std::vector<std::string> glossy = three;
  glossy.insert(glossy.end(), {"--function", "cook-torrance"});
  run = RenderInProcess(glossy);
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_GT(Figure(run.out, "mean_angular_error_deg"), 2.0);
}

TEST(RecoverCli, CoincidentLightsWriteNothing) {
  TempFolder folder;
  const RunResult run =
      RenderInProcess({"--surface", "cone", "--slant", "30", "--light", "30,0", "--light", "20,90",
                       "--recover", "ps", "--height-out", folder.File("h.tif")});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find("Sources 1 and 2"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder.File("h.tif")));
  EXPECT_EQ(RenderInProcess({"--recover", "ps", "-o", "x.png"}).exitStatus, 2);  // no surface
  EXPECT_EQ(
      RenderInProcess({"--surface", "cone", "--recover", "ps", "--height-out", "h.png"}).exitStatus,
      2);
}

}  // namespace
