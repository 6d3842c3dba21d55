// Runs the real gauss-sphere-render binary and checks its exit status, its messages and the file
// it leaves behind.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "run_renderer.h"
#include "temp_folder.h"

namespace {

struct PpmPicture {
  int width = 0;
  int height = 0;
  std::string pixels;  // RGB bytes, rows from the top
  std::array<int, 3> At(int x, int y) const {
    const size_t i = 3 * (static_cast<size_t>(y) * width + x);
    return {static_cast<unsigned char>(pixels[i]), static_cast<unsigned char>(pixels[i + 1]),
            static_cast<unsigned char>(pixels[i + 2])};
  }
};

PpmPicture ReadPpm(const std::filesystem::path& path) {
  const std::string bytes = ReadWholeFile(path);
  std::istringstream header(bytes);
  std::string magic;
  int maxValue = 0;
  PpmPicture picture;
  header >> magic >> picture.width >> picture.height >> maxValue;
  header.get();  // the single blank after the maximum
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(maxValue, 255);
  picture.pixels = bytes.substr(static_cast<size_t>(header.tellg()));
  EXPECT_EQ(picture.pixels.size(), 3 * static_cast<size_t>(picture.width) * picture.height);
  return picture;
}

constexpr std::array<int, 3> kWhite = {255, 255, 255};

// Takes a variable out of the environment for a while: the runs it starts see no trace of it.
class WithoutVariable {
 public:
  explicit WithoutVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) value_ = value;
    ::unsetenv(name);
  }
  ~WithoutVariable() {
    if (value_) ::setenv(name_, value_->c_str(), 1);
  }
  WithoutVariable(const WithoutVariable&) = delete;
  WithoutVariable& operator=(const WithoutVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> value_;
};

class RenderCliTest : public testing::Test {
 protected:
  TempFolder output_;
  TempFolder logs_;
};

TEST_F(RenderCliTest, DefaultRunWritesTheDefaultPicture) {
  const RunResult run = RunRenderer({"-o", output_.File("sphere.ppm")}, logs_.Path());
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(output_.Entries(), std::vector<std::string>{"sphere.ppm"});

  const PpmPicture picture = ReadPpm(output_.File("sphere.ppm"));
  ASSERT_EQ(picture.width, 393);
  ASSERT_EQ(picture.height, 337);
  // The half sphere (radius 100 pixels, tipped towards the viewer) covers the picture's centre
  // and the band above it. (Higher up, near its pole, the matte sphere is lit white.)
  for (const int above : {0, 25, 50}) {
    EXPECT_NE(picture.At(picture.width / 2, picture.height / 2 - above), kWhite)
        << above << " pixels above the centre";
  }
  for (const auto& [x, y] : {std::pair{0, 0}, {392, 0}, {0, 336}, {392, 336}}) {
    EXPECT_EQ(picture.At(x, y), kWhite) << "corner (" << x << ", " << y << ")";
  }
}

TEST_F(RenderCliTest, PngHoldsTheSamePictureAsPpm) {
  const std::vector<std::string> options = {"--function", "glossy", "--rot-y",
                                            "20",         "--size", "120x90"};
  std::vector<std::string> ppmArgs = options;
  ppmArgs.insert(ppmArgs.end(), {"-o", output_.File("pic.ppm")});
  std::vector<std::string> pngArgs = options;
  pngArgs.insert(pngArgs.end(), {"-o", output_.File("pic.png")});
  ASSERT_EQ(RunRenderer(ppmArgs, logs_.Path()).exitStatus, 0);
  ASSERT_EQ(RunRenderer(pngArgs, logs_.Path()).exitStatus, 0);

  const PpmPicture ppm = ReadPpm(output_.File("pic.ppm"));
  const QImage png(QString::fromStdString(output_.File("pic.png")), "PNG");
  ASSERT_EQ(png.width(), 120);
  ASSERT_EQ(png.height(), 90);
  int differing = 0;
  for (int y = 0; y < ppm.height; ++y) {
    for (int x = 0; x < ppm.width; ++x) {
      const QRgb p = png.pixel(x, y);
      differing += ppm.At(x, y) != std::array<int, 3>{qRed(p), qGreen(p), qBlue(p)};
    }
  }
  EXPECT_EQ(differing, 0);
}

// Switches that reach the picture: --whole-sphere shows the lower half that the default half
// sphere leaves white (below the centre, turned from the source: deep shadow), and a tall
// gradient-space map has its ticks at q = +4 and -4, 200 pixels above and below the origin. The
// map's figure, text included, is drawn with no display and no Qt platform named, and says
// nothing.
TEST_F(RenderCliTest, SwitchesReachThePicture) {
  const WithoutVariable noDisplay("DISPLAY");
  const WithoutVariable noPlatform("QT_QPA_PLATFORM");
  struct Case {
    std::vector<std::string> options;
    int x, y;
    std::array<int, 3> colour;
  };
  const std::vector<Case> cases = {
      {{}, 196, 240, kWhite},
      {{"--whole-sphere"}, 196, 240, {0, 0, 0}},
      {{"--whole-sphere", "--grey"}, 196, 240, {0, 0, 0}},
      {{"--gradient-space", "--size", "100x500"}, 47, 50, {20, 40, 90}},
      {{"--gradient-space", "--size", "100x500"}, 53, 450, {20, 40, 90}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-o", output_.File("pic.ppm")});
    std::string described;
    for (const std::string& option : c.options) described += option + " ";
    const RunResult run = RunRenderer(args, logs_.Path());
    ASSERT_EQ(run.exitStatus, 0) << described << run.err;
    EXPECT_EQ(run.err, "") << described;
    const PpmPicture picture = ReadPpm(output_.File("pic.ppm"));
    const std::array<int, 3> got = picture.At(c.x, c.y);
    EXPECT_EQ(got, c.colour) << described << "at (" << c.x << ", " << c.y << "): " << got[0] << " "
                             << got[1] << " " << got[2];
  }
}

TEST_F(RenderCliTest, HelpPrintsUsageAndWritesNothing) {
  const RunResult run = RunRenderer({"--help", "-o", output_.File("pic.ppm")}, logs_.Path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("Usage: gauss-sphere-render"), std::string::npos) << run.out;
  EXPECT_TRUE(output_.Entries().empty());
  // The program carries the Russian translation of its usage.
  const RunResult russian = RunRenderer({"--language", "ru", "--help"}, logs_.Path());
  EXPECT_EQ(russian.exitStatus, 0);
  EXPECT_NE(russian.out.find("Использование: gauss-sphere-render"), std::string::npos)
      << russian.out;
}

TEST_F(RenderCliTest, VersionPrintsTheProjectVersion) {
  const RunResult run = RunRenderer({"--version"}, logs_.Path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, "gauss-sphere-render " GAUSS_SPHERE_VERSION "\n");
}

// Every message of the renderer is English and names the option, whichever part found the fault.
TEST_F(RenderCliTest, MessagesNameTheOptionInEnglish) {
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const std::string out = output_.File("pic.ppm");
  const std::vector<Case> cases = {
      {{"--rot-x", "-3O", "-o", out}, "gauss-sphere-render: --rot-x: \"-3O\" is not a number\n"},
      {{"--function", "glossy", "--n=", "-o", out},
       "gauss-sphere-render: --n is empty: give a number\n"},
      {{"--rot-y", "-1e39", "-o", out}, "gauss-sphere-render: --rot-y: \"-1e39\" is too large\n"},
      {{"--size", "-4x5", "-o", out}, "gauss-sphere-render: --size needs WIDTHxHEIGHT"},
      {{"--rot-y", "-o", out}, "gauss-sphere-render: unexpected argument"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunRenderer(c.args, logs_.Path());
    EXPECT_EQ(run.exitStatus, 2) << c.expected;
    EXPECT_EQ(run.err.substr(0, c.expected.size()), c.expected);
    EXPECT_TRUE(std::all_of(run.err.begin(), run.err.end(), [](char ch) {
      return static_cast<unsigned char>(ch) < 0x80;
    })) << run.err;
  }
}

// s and n belong to the glossy function: any other paints as if they were not given, with one
// line on stderr; with the glossy function a bad one is refused.
TEST_F(RenderCliTest, GlossOptionsAreIgnoredByTheOtherFunctions) {
  struct Case {
    std::vector<std::string> args;
    int exitStatus;
    std::string err;
    std::vector<std::string> samePictureAs;  // without the ignored options
  };
  const std::string kOnly = " ignored: only --function glossy uses s and n\n";
  const std::vector<Case> cases = {
      {{"--function", "matte", "--s", "abc"}, 0, "gauss-sphere-render: --s is" + kOnly, {}},
      {{"--function", "rocky", "--s", "1", "--n", ""},
       0,
       "gauss-sphere-render: --s and --n are" + kOnly,
       {"--function", "rocky"}},
      {{"--n", "1e999", "--slant", "40"},
       0,
       "gauss-sphere-render: --n is" + kOnly,
       {"--slant", "40"}},
      {{"--function", "mirror", "--slant", "20", "--s", "-3"},
       0,
       "gauss-sphere-render: --s is" + kOnly,
       {"--function", "mirror", "--slant", "20"}},
      {{"--function", "glossy", "--s", "abc"},
       2,
       "gauss-sphere-render: --s: \"abc\" is not a number\n",
       {}},
      {{"--function", "glossy", "--s", "0.3", "--n", "4"}, 0, "", {}},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& arg : c.args) shown += arg + " ";
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", output_.File("given.ppm")});
    const RunResult run = RunRenderer(args, logs_.Path());
    EXPECT_EQ(run.exitStatus, c.exitStatus) << shown;
    EXPECT_EQ(run.err, c.err) << shown;
    if (c.exitStatus != 0 || c.err.empty()) continue;
    std::vector<std::string> plain = c.samePictureAs;
    plain.insert(plain.end(), {"-o", output_.File("plain.ppm")});
    ASSERT_EQ(RunRenderer(plain, logs_.Path()).exitStatus, 0) << shown;
    EXPECT_EQ(ReadWholeFile(output_.File("given.ppm")), ReadWholeFile(output_.File("plain.ppm")))
        << shown;
  }
}

TEST_F(RenderCliTest, FailuresExitWithStatusTwoAndLeaveNoFile) {
  struct Case {
    std::vector<std::string> args;
    const char* why;
  };
  const std::string out = output_.File("pic.ppm");
  const std::vector<Case> cases = {
      {{"--slant", "abc", "-o", out}, "slant is not a number"},
      {{"--rot-x", "1e39", "-o", out}, "rotation beyond the 32-bit range"},
      {{"--function", "glossy", "--s", "", "-o", out}, "empty glossy weight"},
      {{"--size", "0x0", "-o", out}, "empty picture"},
      {{"--levels", "1,2", "-o", out}, "too few levels"},
      {{"--frobnicate", "-o", out}, "unknown option"},
      {{"--grey"}, "no output file"},
      {{"-o", output_.File("pic.gif")}, "unknown picture format"},
      {{"-o", output_.File("no/such/folder/pic.ppm")}, "unwritable path"},
      {{"-o", output_.File("no/such/folder/pic.png")}, "unwritable path, PNG"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunRenderer(c.args, logs_.Path());
    EXPECT_EQ(run.exitStatus, 2) << c.why;
    EXPECT_NE(run.err, "") << c.why;
    EXPECT_TRUE(output_.Entries().empty()) << c.why;
  }
}

}  // namespace
