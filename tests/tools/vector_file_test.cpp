// The renderer's SVG and PDF figures: the pass's own pixels as one image, the map's figure over
// it as vector paths and text, a page of the picture's logical size, painted back as the PNG
// shows the same options; a failed write is exit status 2 and leaves nothing behind.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "headless_gui.h"
#include "job_overlay.h"
#include "render_options.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"
#include "vector_files.h"

namespace {

const QString kMinus = QStringLiteral("\u2212");

QByteArray ReadBytes(const std::string& path) {
  return QByteArray::fromStdString(ReadWholeFile(path));
}

// The pass's pixels of the job `args` give, without the overlay.
QImage PassRaster(std::vector<std::string> args) {
  args.insert(args.end(), {"-o", "unwritten.png"});
  const RenderJob job = std::get<RenderJob>(ParseRenderOptions({args.begin(), args.end()}));
  PassResult pass = std::get<PassResult>(RunJobPass(job));
  return PassImage(job, pass.picture).copy();
}

// The SVG holds the pass's raster untouched, at its own resolution (the figure is not drawn into
// it), and the figure as paths and text, on a page of the logical size.
TEST(VectorFile, SvgKeepsThePassRasterAndDrawsTheFigureAsVectors) {
  EnsureHeadlessGui();
  for (const std::string scale : {"1", "2"}) {
    TempFolder folder;
    const std::vector<std::string> options = {"--gradient-space", "--marks", "--scale", scale};
    std::vector<std::string> args = options;
    args.insert(args.end(), {"-o", folder.File("map.svg")});
    const RunResult run = RunRenderer(args, folder.Path());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const SvgContents svg = ReadSvg(ReadBytes(folder.File("map.svg")));
    EXPECT_EQ(svg.error.toStdString(), "") << scale;
    EXPECT_EQ(svg.width.toStdString(), "393") << scale;
    EXPECT_EQ(svg.height.toStdString(), "337") << scale;
    EXPECT_EQ(svg.images, 1) << scale;
    EXPECT_TRUE(svg.image.convertToFormat(QImage::Format_RGB32) == PassRaster(options)) << scale;
    EXPECT_GE(svg.paths, 1) << scale;
    for (const QString& tick : {QStringLiteral("1"), kMinus + "1", QStringLiteral("p")}) {
      EXPECT_TRUE(svg.texts.contains(tick)) << scale << " " << tick.toStdString();
    }
  }
}

// Painted back (a PDF by pdftoppm at 72 dots per inch times the scale, an SVG by Qt's renderer),
// the figure is the PNG's picture: the same size, nearly all pixels within a few grey levels.
// The hatch's thin lines, smoothed when painted back, keep only their mean: in an SVG, which
// knows no clipping, they still stop at the region they hatch.
TEST(VectorFile, PaintedBackItIsThePngsPicture) {
  EnsureHeadlessGui();
  struct Case {
    std::string format;
    std::vector<std::string> options;
    int scale;
    bool hatch;
  };
  const std::vector<std::string> map = {"--gradient-space", "--marks", "--light", "30,90"};
  const std::vector<Case> cases = {
      {"pdf", map, 1, false},
      {"pdf", {"--gradient-space", "--marks", "--through", "0.3,0.2", "--scale", "2"}, 2, false},
      {"pdf", {"--smooth", "--slant", "40"}, 1, false},
      {"svg", map, 1, false},
      {"svg", {"--gradient-space", "--light", "30,90", "--lit-by-all"}, 1, true},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string what = c.format + " " + c.options.back();
    for (const std::string& format : {c.format, std::string("png")}) {
      std::vector<std::string> args = c.options;
      args.insert(args.end(), {"-o", folder.File("figure." + format)});
      const RunResult run = RunRenderer(args, folder.Path());
      ASSERT_EQ(run.exitStatus, 0) << what << ": " << run.err;
    }
    const QByteArray bytes = ReadBytes(folder.File("figure." + c.format));
    EXPECT_TRUE(bytes.startsWith(c.format == "pdf" ? "%PDF" : "<?xml")) << what;
    const QImage painted =
        PaintedFigure(bytes, c.format == "pdf", (c.format == "pdf" ? 72 : 96) * c.scale,
                      QString::fromStdString(folder.Path().string()));
    const QImage png = QImage(QString::fromStdString(folder.File("figure.png")))
                           .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(painted.size(), png.size()) << what;
    double signedSum = 0;
    long long near = 0;
    for (int y = 0; y < png.height(); ++y) {
      for (int x = 0; x < png.width(); ++x) {
        const int difference = qGray(painted.pixel(x, y)) - qGray(png.pixel(x, y));
        signedSum += difference;
        near += std::abs(difference) <= 8 ? 1 : 0;
      }
    }
    const double pixels = static_cast<double>(png.width()) * png.height();
    EXPECT_LT(std::abs(signedSum / pixels), 2.0) << what;
    if (!c.hatch) {
      EXPECT_GT(static_cast<double>(near) / pixels, 0.93) << what;
    }
  }
}

// A figure that cannot be written is exit status 2 with the file and the reason named, and
// nothing is left behind.
TEST(VectorFile, FailedWriteIsExitStatusTwo) {
  TempFolder folder;
  for (const std::string name : {"missing/map.svg", "missing/map.pdf"}) {
    const std::string path = folder.File(name);
    const RunResult run = RunRenderer({"--gradient-space", "-o", path}, folder.Path());
    EXPECT_EQ(run.exitStatus, 2) << name;
    EXPECT_EQ(run.err,
              "gauss-sphere-render: cannot write " + path + ": No such file or directory\n");
  }
  EXPECT_EQ(folder.Entries().size(), 2U);  // the logs alone
}

}  // namespace
