// The renderer's sweeps: a 12-frame GIF of the slant holds 12 frames, each the picture of its
// step within the palette's rounding, with the delay set; numbered PNG files are those pictures
// exactly; a bad sweep is refused.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "render_options.h"
#include "render_tool.h"
#include "sweep_tool.h"
#include "temp_folder.h"

namespace {

int Render(std::vector<std::string> args, std::string* err = nullptr) {
  std::ostringstream o, e;
  const int status = RunRenderTool({args.begin(), args.end()}, o, e);
  if (err != nullptr) *err = e.str();
  return status;
}

ImageBuffer FramePicture(const std::vector<std::string>& args, int frame) {
  const RenderJob job = std::get<RenderJob>(ParseRenderOptions({args.begin(), args.end()}));
  const RenderJob one = std::get<RenderJob>(SweepFrameJob(job, frame));
  return std::get<ImageBuffer>(RenderPicture(one));
}

TEST(SweepCli, AGifHoldsEachStepWithinThePalette) {
  TempFolder folder;
  const std::vector<std::string> args{"--sweep", "slant=0:110:12",        "--frame-delay", "25",
                                      "-o",      folder.File("slant.gif")};
  ASSERT_EQ(Render(args), 0);
  int error = 0;
  GifFileType* gif = DGifOpenFileName(folder.File("slant.gif").c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_EQ(gif->ImageCount, 12);
  for (int k = 0; k < gif->ImageCount; k += 11) {
    GraphicsControlBlock control{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, k, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 25);
    const ImageBuffer expected = FramePicture(args, k);
    const SavedImage& image = gif->SavedImages[k];
    const ColorMapObject* map = gif->SColorMap;
    int worst = 0;
    for (int y = 0; y < expected.Height(); ++y) {
      for (int x = 0; x < expected.Width(); ++x) {
        const GifColorType c = map->Colors[image.RasterBits[y * expected.Width() + x]];
        const Rgb want = expected.At(x, y);
        worst = std::max({worst, std::abs(c.Red - want.r), std::abs(c.Green - want.g),
                          std::abs(c.Blue - want.b)});
      }
    }
    EXPECT_LE(worst, 16) << "frame " << k;  // five bits a component, then the median cut
  }
  DGifCloseFile(gif, &error);
}

TEST(SweepCli, NumberedPngsAreTheFramesExactly) {
  TempFolder folder;
  const std::vector<std::string> args{"--function",   "oren-nayar", "--sweep",
                                      "sigma=0:60:3", "-o",         folder.File("on_%02d.png")};
  ASSERT_EQ(Render(args), 0);
  for (int k = 0; k < 3; ++k) {
    const QImage written(QString::fromStdString(folder.File("on_0" + std::to_string(k) + ".png")));
    const ImageBuffer expected = FramePicture(args, k);
    ASSERT_EQ(written.width(), expected.Width());
    int faults = 0;
    for (int y = 0; y < expected.Height(); ++y) {
      for (int x = 0; x < expected.Width(); ++x) {
        const Rgb want = expected.At(x, y);
        faults += written.pixel(x, y) == qRgb(want.r, want.g, want.b) ? 0 : 1;
      }
    }
    EXPECT_EQ(faults, 0) << k;
  }
  EXPECT_EQ(Render({"--sweep", "slant=0:90:1", "-o", "a.gif"}), 2);
  EXPECT_EQ(Render({"--sweep", "slant=0:90:4", "-o", "a.png"}), 2);
  EXPECT_EQ(Render({"--sweep", "bogus=0:1:3", "-o", folder.File("b.gif")}), 2);
  // Frames no GIF should hold are refused before any is painted.
  std::string err;
  EXPECT_EQ(Render({"--sweep", "slant=0:90:600", "--size", "400x400", "-o", folder.File("big.gif")},
                   &err),
            2);
  EXPECT_NE(err.find("numbered PNG"), std::string::npos) << err;
  EXPECT_EQ(
      Render({"--compare", "matte,rocky", "--size", "10000x10000", "-o", folder.File("big.png")},
             &err),
      2);
  EXPECT_NE(err.find("too many pixels"), std::string::npos) << err;
}

}  // namespace
