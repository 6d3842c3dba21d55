// Every option of the renderer's tables in every mode it can be given in: the run's output
// changes (compared with the run without it), or the run is refused with status 2, or it warns.
// An option that a mode drops without a word fails here, whichever table row let it through.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ball_folders.h"
#include "mode_table.h"
#include "photo_folders.h"
#include "render_option_table.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

using Args = std::vector<std::string>;

// One mode and scene as a run gives it; "@NAME" is a file in the run's own folder.
struct Base {
  const char* name;
  Mode mode;
  Scene scene;
  Args args;
};

void PrintTo(const Base& base, std::ostream* out) { *out << base.name; }

const std::vector<Base>& Bases() {
  using enum Mode;
  using enum Scene;
  static const Args kBigSphere = {"--size", "220x210"};
  static const Args kMapSmall = {"--gradient-space", "--size", "40x30"};
  static const Args kHills = {"--surface", "hills", "--surface-size", "32x32"};
  const auto with = [](Args a, const Args& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  static const std::vector<Base> kBases = {
      {"SpherePicture", kPicture, kSphere, with(kBigSphere, {"-o", "@out.png"})},
      {"MapPicture", kPicture, kMap, with(kMapSmall, {"-o", "@out.png"})},
      {"SurfacePicture", kPicture, kSurface, with(kHills, {"-o", "@out.png"})},
      {"SphereReadout", kReadout, kSphere, with(kBigSphere, {"--readout", "110,60"})},
      {"MapReadout", kReadout, kMap, with(kMapSmall, {"--readout", "5,20"})},
      {"SurfaceReadout", kReadout, kSurface, with(kHills, {"--readout", "25,25"})},
      {"Stereo", kRecovery, kSurface,
       with(kHills, {"--light", "30,90", "--light", "30,200", "--recover", "ps"})},
      {"ShapeFromShading", kRecovery, kSurface,
       with(kHills, {"--slant", "30", "--recover", "sfs-tsai-shah"})},
      {"PhaseCurve", kPhaseCurve, kSphere, {"--phase-curve", "--phase-step", "10", "-o", "@c.svg"}},
      {"PhaseCurveCsv",
       kPhaseCurve,
       kSphere,
       {"--phase-curve", "--phase-step", "10", "-o", "@c.csv"}},
      {"SphereProfile", kProfile, kSphere,
       with(kBigSphere, {"--profile", "0,0:219,209", "-o", "@c.svg"})},
      {"MapProfile", kProfile, kMap, with(kMapSmall, {"--profile", "0,0:39,29", "-o", "@c.csv"})},
      {"SurfaceProfile", kProfile, kSurface,
       with(kHills, {"--profile", "0,0:31,31", "-o", "@c.csv"})},
      {"SphereCompare", kCompare, kSphere,
       with(kBigSphere, {"--compare", "matte,glossy", "-o", "@c.png"})},
      {"MapCompare", kCompare, kMap,
       with(kMapSmall, {"--compare", "matte,glossy", "-o", "@c.png"})},
      {"ComparedPhaseCurves",
       kComparedPhaseCurves,
       kSphere,
       {"--compare", "matte,glossy", "--phase-curve", "--phase-step", "10", "-o", "@c.svg"}},
      {"ComparedProfiles", kComparedProfiles, kSphere,
       with(kBigSphere, {"--compare", "matte,glossy", "--profile", "0,0:219,209", "-o", "@c.csv"})},
      {"SphereSweep", kSweep, kSphere,
       with(kBigSphere, {"--sweep", "slant=0:20:2", "-o", "@s.gif"})},
      {"MapSweep", kSweep, kMap, with(kMapSmall, {"--sweep", "slant=0:20:2", "-o", "@s.gif"})},
      {"SurfaceSweep", kSweep, kSurface,
       with(kHills, {"--sweep", "slant=10:30:2", "-o", "@s.gif"})},
      {"SphereSetup", kSetupOnly, kSphere, {"--write-setup", "@s.gsetup"}},
      {"MapSetup", kSetupOnly, kMap, {"--gradient-space", "--write-setup", "@s.gsetup"}},
      {"SurfaceSetup", kSetupOnly, kSurface, with(kHills, {"--write-setup", "@s.gsetup"})},
      {"SurfaceList", kListSurfaces, kSphere, {"--list-surfaces"}},
      {"BallLights", kBallLights, kSphere, {"--ball-lights", "!ball"}},
      {"PhotoStereo",
       kRecovery,
       kPhotos,
       {"--images", "!photos", "--recover", "ps", "--height-out", "@base.asc"}},
      {"Photographs",
       kRecovery,
       kPhotos,
       {"--images", "!photos", "--recover", "ps-law", "--height-out", "@base.asc", "--normals-out",
        "@base.png"}},
  };
  return kBases;
}

// What an option is given as: `context` goes into both runs, `args` only into the second.
struct Sample {
  Args args;
  Args context = {};
};

// "!" names a file of the shared folder (an albedo image, a setup).
const std::map<std::string, Sample>& Samples() {
  static const std::map<std::string, Sample> kSamples = {
      {"rot-x", {{"--rot-x", "10"}}},
      {"rot-y", {{"--rot-y", "20"}}},
      {"rot-z", {{"--rot-z", "30"}, {"--slant", "30"}}},
      {"slant", {{"--slant", "40"}}},
      {"function", {{"--function", "rocky"}}},
      {"param", {{"--param", "k=1.5"}, {"--function", "minnaert"}}},
      {"formula", {{"--formula", "ci^2"}, {"--function", "formula", "--formula", "ci"}}},
      {"s", {{"--s", "0.9"}, {"--function", "glossy"}}},
      {"n", {{"--n", "1"}, {"--function", "glossy"}}},
      {"levels",
       {{"--levels", "0.95,0.85,0.75,0.65,0.55,0.45,0.35"},
        {"--half-widths", "0.025,0.025,0.025,0.025,0.025,0.025,0.025"}}},
      {"half-widths", {{"--half-widths", "0.2,0.2,0.2,0.2,0.2,0.2,0.2"}}},
      {"size", {{"--size", "50x40"}}},
      {"scale", {{"--scale", "2"}}},
      {"exposure", {{"--exposure", "0.5"}}},
      {"background", {{"--background", "black"}}},
      {"line-width", {{"--line-width", "3"}, {"--contour-lines"}}},
      {"readout", {{"--readout", "5,5"}}},
      {"light", {{"--light", "40,300"}}},
      {"through", {{"--through", "0.2,0.1"}}},
      {"surface", {{"--surface", "cone"}}},
      {"surface-size", {{"--surface-size", "24x24"}}},
      {"surface-param", {{"--surface-param", "height=90"}}},
      {"height-scale", {{"--height-scale", "2"}}},
      {"albedo", {{"--albedo", "!albedo.png"}}},
      {"source", {{"--source", "2"}, {"--light", "30,90", "--source", "1"}}},
      {"phase-step", {{"--phase-step", "5"}}},
      {"phase-max", {{"--phase-max", "90"}}},
      {"law-albedo", {{"--law-albedo", "0.5"}, {"--albedos"}}},
      {"observations", {{"--observations", "!observed.csv"}}},
      {"fit", {{"--fit", "H,G"}, {"--observations", "!observed.csv"}}},
      {"profile", {{"--profile", "1,1:20,20"}}},
      {"compare", {{"--compare", "matte,rocky"}}},
      {"sweep", {{"--sweep", "slant=0:30:2"}}},
      {"frame-delay", {{"--frame-delay", "20"}}},
      {"recover", {{"--recover", "sfs-horn"}}},
      {"images", {{"--images", "!other-photos"}}},
      {"integrate", {{"--integrate", "fc"}}},
      {"noise", {{"--noise", "5"}}},
      {"quantise", {{"--quantise", "8"}}},
      {"height-out", {{"--height-out", "@h.asc"}}},
      {"normals-out", {{"--normals-out", "@n.png"}}},
      {"albedo-out", {{"--albedo-out", "@a.png"}}},
      {"error-out", {{"--error-out", "@e.png"}}},
      {"error-scale", {{"--error-scale", "37"}, {"--error-out", "@e.png"}}},
      {"legend", {{"--legend"}}},
      {"o", {{"-o", "@missing/x.png"}}},
      {"setup", {{"--setup", "!rocky.gsetup"}}},
      {"write-setup", {{"--write-setup", "@w.gsetup"}}},
      {"format", {{"--format", "bmp"}}},
      {"grey", {{"--grey"}}},
      {"whole-sphere", {{"--whole-sphere"}, {"--rot-x", "120"}}},
      {"smooth", {{"--smooth"}}},
      {"gradient-space", {{"--gradient-space"}}},
      {"lit-by-all", {{"--lit-by-all"}, {"--light", "30,90"}}},
      {"marks", {{"--marks"}}},
      {"cast-shadows", {{"--cast-shadows"}, {"--slant", "70"}}},
      {"list-surfaces", {{"--list-surfaces"}}},
      {"ball-lights", {{"--ball-lights", "!other-ball"}}},
      {"phase-curve", {{"--phase-curve"}}},
      {"albedos", {{"--albedos"}}},
      {"contour-lines", {{"--contour-lines"}}},
      {"outline", {{"--outline"}}},
      {"plain", {{"--plain"}}},
      {"source-mark", {{"--source-mark"}, {"--slant", "20"}}},
  };
  return kSamples;
}

// Options that by design change no output: the pass's thread count, the usage's language.
bool NeverChangesOutput(const std::string& name) { return name == "threads" || name == "language"; }

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
  std::map<std::string, std::string> files;
};

// Three 8x6 photographs of a tilted, shaded plane under three lights, `gain` times as bright.
void WritePhotoSet(const std::filesystem::path& folder, double gain) {
  std::filesystem::create_directory(folder);
  const std::vector<LightAim> aims{{30, 0}, {30, 120}, {30, 240}};
  std::string directions;
  for (size_t k = 0; k < aims.size(); ++k) {
    std::vector<double> image;
    for (int cell = 0; cell < 48; ++cell) image.push_back(gain * (0.3 + 0.01 * cell + 0.1 * k));
    directions += DirectionLine(aims[k], 1.0);
    WriteTextFile((folder / (std::string(1, 'a' + k) + ".png")).string(), Png16(8, 6, image));
  }
  WriteTextFile((folder / "filenames.txt").string(), "a.png\nb.png\nc.png\n");
  WriteTextFile((folder / "light_directions.txt").string(), directions);
}

class OptionModeWalk : public testing::TestWithParam<Base> {
 protected:
  static void SetUpTestSuite() {
    shared_ = new TempFolder();
    QImage albedo(8, 8, QImage::Format_Grayscale8);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) albedo.setPixel(x, y, qRgb(x * 30, x * 30, x * 30));
    }
    ASSERT_TRUE(albedo.save(QString::fromStdString(shared_->File("albedo.png"))));
    WritePhotoSet(shared_->Path() / "photos", 1.0);
    WritePhotoSet(shared_->Path() / "other-photos", 0.5);
    WriteBallSet(shared_->Path() / "ball", {{30, 0}, {40, 90}}, 24);
    WriteBallSet(shared_->Path() / "other-ball", {{20, 180}}, 24);
    WriteTextFile(shared_->File("observed.csv"), "g,magnitude\n2,7.1\n10,7.5\n20,7.9\n30,8.3\n");
    std::ostringstream out, err;
    const std::string setup = shared_->File("rocky.gsetup");
    ASSERT_EQ(
        RunRenderTool({"--function", "rocky", "--slant", "40", "--write-setup", setup}, out, err),
        0)
        << err.str();
  }
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }

  // Runs `args` in a fresh folder of its own and collects everything it made.
  static Outcome Run(const Args& args) {
    TempFolder folder;
    std::vector<std::string> resolved;
    for (const std::string& arg : args) {
      if (!arg.empty() && arg[0] == '@')
        resolved.push_back(folder.File(arg.substr(1)));
      else if (!arg.empty() && arg[0] == '!')
        resolved.push_back(shared_->File(arg.substr(1)));
      else
        resolved.push_back(arg);
    }
    std::ostringstream out, err;
    Outcome outcome;
    outcome.status = RunRenderTool({resolved.begin(), resolved.end()}, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    for (const std::string& name : folder.Entries()) {
      outcome.files[name] = ReadWholeFile(folder.Path() / name);
    }
    return outcome;
  }

  static TempFolder* shared_;
};

TempFolder* OptionModeWalk::shared_ = nullptr;

std::vector<std::string> OptionNames() {
  std::vector<std::string> names;
  for (const ValueOption& option : ValueOptions()) names.emplace_back(option.name);
  for (const FlagOption& flag : FlagOptions()) names.emplace_back(flag.name);
  return names;
}

TEST_P(OptionModeWalk, EveryOptionChangesTheOutputOrIsRefusedOrWarns) {
  const Base& base = GetParam();
  const Outcome plain = Run(base.args);
  ASSERT_EQ(plain.status, 0) << base.name << ": " << plain.err;
  std::map<std::string, Outcome> withContext;  // the runs of base + context, by context
  for (const std::string& name : OptionNames()) {
    // A flag the base gives already chose its mode or scene.
    if (std::find(base.args.begin(), base.args.end(), "--" + name) != base.args.end() &&
        Samples().at(name).args.size() == 1)
      continue;
    if (NeverChangesOutput(name)) continue;
    const auto sample = Samples().find(name);
    ASSERT_NE(sample, Samples().end()) << "no sample for --" << name;
    Args before = base.args;
    before.insert(before.end(), sample->second.context.begin(), sample->second.context.end());
    std::string key;
    for (const std::string& arg : before) key += arg + '\n';
    if (!withContext.count(key)) withContext[key] = Run(before);
    const Outcome& without = withContext[key];
    Args after = before;
    after.insert(after.end(), sample->second.args.begin(), sample->second.args.end());
    const Outcome with = Run(after);
    if (with.status == kExitFailure) continue;  // refused
    // Accepted only with the option: its run shows nothing against a refusal.
    ASSERT_EQ(without.status, 0) << "--" << name << " in " << base.name << ": the run without it "
                                 << "is refused, the run with it is not: " << without.err;
    const bool warns = with.err.size() > without.err.size() &&
                       with.err.find("gauss-sphere-render: ") != std::string::npos;
    const bool changes = with.out != without.out || with.files != without.files;
    EXPECT_TRUE(warns || changes) << "--" << name << " in " << base.name
                                  << ": accepted, no warning, and the output is unchanged";
  }
}

INSTANTIATE_TEST_SUITE_P(, OptionModeWalk, testing::ValuesIn(Bases()),
                         [](const testing::TestParamInfo<Base>& info) {
                           return std::string(info.param.name);
                         });

// The table's modes are those the walk runs: a mode added without a base here is not walked.
TEST(OptionModeWalkBases, EveryModeHasABase) {
  for (const ModeRow& row : ModeTable()) {
    bool found = false;
    for (const Base& base : Bases()) found = found || base.mode == row.mode;
    EXPECT_TRUE(found) << row.option;
  }
}

}  // namespace
