// The renderer's sweeps: a 12-frame GIF of the slant holds 12 frames, each the picture of its
// step within the palette's rounding and its pure white and black exact, with the delay set; a
// full palette still keeps them; numbered PNG files are those pictures
// exactly; a bad sweep is refused.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "animation/gif_file.h"
#include "render_options.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "sweep_tool.h"
#include "temp_folder.h"

namespace {

ImageBuffer FramePicture(const std::vector<std::string>& args, int frame) {
  const RenderJob job = std::get<RenderJob>(ParseRenderOptions({args.begin(), args.end()}));
  const RenderJob one = std::get<RenderJob>(SweepFrameJob(job, frame));
  return std::get<ImageBuffer>(RenderPicture(one));
}

struct PaletteError {
  int worst = 0;       // the largest difference of a component
  int pureMissed = 0;  // pure white or black pixels shown otherwise
};

PaletteError CompareFrame(const ImageBuffer& expected, const SavedImage& image,
                          const ColorMapObject& map) {
  PaletteError error;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const GifColorType c = map.Colors[image.RasterBits[y * expected.Width() + x]];
      const Rgb want = expected.At(x, y);
      error.worst = std::max({error.worst, std::abs(c.Red - want.r), std::abs(c.Green - want.g),
                              std::abs(c.Blue - want.b)});
      const bool pure = want == Rgb{255, 255, 255} || want == Rgb{0, 0, 0};
      if (pure && (c.Red != want.r || c.Green != want.g || c.Blue != want.b)) ++error.pureMissed;
    }
  }
  return error;
}

// A frame of more colours than a palette holds, near-white and near-black among them: the median
// cut fills all 256 entries and puts pure white and black in boxes with their neighbours.
TEST(SweepCli, AFullPaletteKeepsPureWhiteAndBlack) {
  ImageBuffer frame(64, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const int k = y * 64 + x;
      frame.SetPixel(x, y, Rgb{(k * 37) % 256, (k * 91) % 256, (k * 13) % 256});
    }
  }
  for (int x = 0; x < 64; ++x) {
    frame.SetPixel(x, 0, Rgb{255, 255, 255});
    frame.SetPixel(x, 1, Rgb{250, 252, 249});
    frame.SetPixel(x, 2, Rgb{0, 0, 0});
    frame.SetPixel(x, 3, Rgb{5, 3, 6});
  }
  const std::optional<std::string> bytes = EncodeGif({frame}, 10);
  ASSERT_TRUE(bytes.has_value());
  TempFolder folder;
  {
    std::ofstream file(folder.File("full.gif"), std::ios::binary);
    file << *bytes;
  }
  int error = 0;
  GifFileType* gif = DGifOpenFileName(folder.File("full.gif").c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  const PaletteError found = CompareFrame(frame, gif->SavedImages[0], *gif->SColorMap);
  EXPECT_EQ(found.pureMissed, 0);
  EXPECT_LE(found.worst, 64);  // a coarse palette for 4096 colours, but no colour lost
  DGifCloseFile(gif, &error);
}

TEST(SweepCli, AGifHoldsEachStepWithinThePalette) {
  TempFolder folder;
  const std::vector<std::string> args{"--sweep", "slant=0:110:12",        "--frame-delay", "25",
                                      "-o",      folder.File("slant.gif")};
  ASSERT_EQ(RenderInProcess(args).exitStatus, 0);
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
    const PaletteError error = CompareFrame(expected, image, *map);
    EXPECT_LE(error.worst, 16) << "frame " << k;  // five bits a component, then the median cut
    EXPECT_EQ(error.pureMissed, 0) << "frame " << k;
  }
  DGifCloseFile(gif, &error);
}

TEST(SweepCli, NumberedPngsAreTheFramesExactly) {
  TempFolder folder;
  const std::vector<std::string> args{"--function",   "oren-nayar", "--sweep",
                                      "sigma=0:60:3", "-o",         folder.File("on_%02d.png")};
  ASSERT_EQ(RenderInProcess(args).exitStatus, 0);
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
  EXPECT_EQ(RenderInProcess({"--sweep", "slant=0:90:1", "-o", "a.gif"}).exitStatus, 2);
  EXPECT_EQ(RenderInProcess({"--sweep", "slant=0:90:4", "-o", "a.png"}).exitStatus, 2);
  EXPECT_EQ(RenderInProcess({"--sweep", "bogus=0:1:3", "-o", folder.File("b.gif")}).exitStatus, 2);
  // Frames no GIF should hold are refused before any is painted.
  const RunResult gif = RenderInProcess(
      {"--sweep", "slant=0:90:600", "--size", "400x400", "-o", folder.File("big.gif")});
  EXPECT_EQ(gif.exitStatus, 2);
  EXPECT_NE(gif.err.find("numbered PNG"), std::string::npos) << gif.err;
  const RunResult big = RenderInProcess(
      {"--compare", "matte,rocky", "--size", "10000x10000", "-o", folder.File("big.png")});
  EXPECT_EQ(big.exitStatus, 2);
  EXPECT_NE(big.err.find("too many pixels"), std::string::npos) << big.err;
}

// A surface's sweep paints the surface's images, each the picture of its step exactly: the
// frames of the sphere at the surface's size would pass a check of the frame count alone.
TEST(SweepCli, ASurfaceSweepPaintsTheSurfaceAtEachStep) {
  TempFolder folder;
  const std::vector<std::string> surface{"--surface", "crater", "--surface-size", "40x30",
                                         "--light",   "50,90",  "--source",       "2"};
  std::vector<std::string> sweep = surface;
  sweep.insert(sweep.end(), {"--sweep", "slant=10:70:3", "-o", folder.File("c_%d.png")});
  ASSERT_EQ(RenderInProcess(sweep).exitStatus, 0);
  for (const auto& [frame, slant] : {std::pair{0, "10"}, {1, "40"}, {2, "70"}}) {
    std::vector<std::string> one = surface;
    one.insert(one.end(), {"--slant", slant, "-o", folder.File("one.png")});
    ASSERT_EQ(RenderInProcess(one).exitStatus, 0);
    const QImage expected(QString::fromStdString(folder.File("one.png")));
    const QImage written(
        QString::fromStdString(folder.File("c_" + std::to_string(frame) + ".png")));
    EXPECT_EQ(written, expected) << "frame " << frame;
  }
  EXPECT_EQ(RenderInProcess(
                {"--surface", "crater", "--sweep", "rot-x=0:90:3", "-o", folder.File("r.gif")})
                .exitStatus,
            2);
}

}  // namespace
