// The SVG and PDF figures: the renderer's hold the pass's own pixels as one image and the map's
// figure over it as paths and text, and paint back as the PNG of the same options; text in points
// keeps its size; a failed write is exit status 2.

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <string>
#include <vector>

#include "figure/vector_figure.h"
#include "headless_gui.h"
#include "job_overlay.h"
#include "render_options.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"
#include "vector_files.h"

namespace {

QByteArray ReadBytes(const std::string& path) {
  return QByteArray::fromStdString(ReadWholeFile(path));
}

// Columns from the leftmost dark pixel to the rightmost.
int InkWidth(const QImage& image) {
  int left = image.width();
  int right = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  return right - left;
}

// Runs the renderer with `options` and -o `path`.
void Render(std::vector<std::string> options, const std::string& path, const TempFolder& logs) {
  options.insert(options.end(), {"-o", path});
  const RunResult run = RunRenderer(options, logs.Path());
  ASSERT_EQ(run.exitStatus, 0) << path << ": " << run.err;
}

// The raster is the pass's pixels at their own resolution (the figure is not drawn into it), the
// figure paths and text, the page the logical size.
TEST(VectorFile, SvgKeepsThePassRasterAndDrawsTheFigureAsVectors) {
  EnsureHeadlessGui();
  for (const std::string scale : {"1", "2"}) {
    TempFolder folder;
    std::vector<std::string> options = {"--gradient-space", "--marks", "--contour-lines", "--scale",
                                        scale};
    Render(options, folder.File("map.svg"), folder);
    const SvgContents svg = ReadSvg(ReadBytes(folder.File("map.svg")));
    Render({"--gradient-space", "--marks", "--scale", scale}, folder.File("plain.svg"), folder);
    const SvgContents plain = ReadSvg(ReadBytes(folder.File("plain.svg")));
    options.insert(options.end(), {"-o", "unwritten.png"});
    const RenderJob job = std::get<RenderJob>(ParseRenderOptions({options.begin(), options.end()}));
    PassResult pass = std::get<PassResult>(RunJobPass(job));
    EXPECT_EQ(svg.error.toStdString(), "") << scale;
    EXPECT_EQ(svg.width.toStdString(), "393") << scale;
    EXPECT_EQ(svg.images, 1) << scale;
    EXPECT_TRUE(svg.image.convertToFormat(QImage::Format_RGB32) == PassImage(job, pass.picture));
    EXPECT_GE(plain.paths, 1) << scale;
    // Each of the seven contour levels (circles about S at slant 0) is a path over its edge's.
    EXPECT_EQ(svg.paths - plain.paths, 2 * kIsoBandCount) << scale;
    for (const QString tick : {"1", "\u22121", "p"}) {
      EXPECT_TRUE(svg.texts.contains(tick)) << scale << " " << tick.toStdString();
    }
  }
}

// Painted back at 72 dots per inch times the scale (a PDF) or at its size (an SVG), nearly every
// pixel is within a few grey levels of the PNG's. The hatch's thin lines, smoothed when painted
// back, keep only their mean: in an SVG, which knows no clipping, they still stop at the region.
TEST(VectorFile, PaintedBackItIsThePngsPicture) {
  EnsureHeadlessGui();
  struct Case {
    std::string format;
    std::vector<std::string> options;
    int scale;
  };
  const std::vector<Case> cases = {
      {"pdf", {"--gradient-space", "--marks", "--light", "30,90"}, 1},
      {"pdf", {"--gradient-space", "--through", "0.3,0.2", "--scale", "2"}, 2},
      {"pdf", {"--smooth", "--slant", "40"}, 1},
      {"svg", {"--gradient-space", "--marks", "--light", "30,90"}, 1},
      {"svg", {"--gradient-space", "--light", "30,90", "--lit-by-all"}, 1},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string what = c.format + " " + c.options.back();
    Render(c.options, folder.File("figure." + c.format), folder);
    Render(c.options, folder.File("figure.png"), folder);
    const QByteArray bytes = ReadBytes(folder.File("figure." + c.format));
    EXPECT_TRUE(bytes.startsWith(c.format == "pdf" ? "%PDF" : "<?xml")) << what;
    const QImage painted =
        PaintedFigure(bytes, c.format == "pdf", (c.format == "pdf" ? 72 : 96) * c.scale,
                      QString::fromStdString(folder.Path().string()));
    const QImage png = QImage(QString::fromStdString(folder.File("figure.png")))
                           .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(painted.size(), png.size()) << what;
    double sum = 0;
    double near = 0;
    for (int y = 0; y < png.height(); ++y) {
      for (int x = 0; x < png.width(); ++x) {
        const int difference = qGray(painted.pixel(x, y)) - qGray(png.pixel(x, y));
        sum += difference;
        near += std::abs(difference) <= 8 ? 1 : 0;
      }
    }
    const double pixels = png.width() * png.height();
    EXPECT_LT(std::abs(sum / pixels), 2.0) << what;
    EXPECT_TRUE(c.options.back() == "--lit-by-all" || near / pixels > 0.93)
        << what << ": " << near / pixels;
  }
}

// The window's overlays size their text in points: in a PDF painted back, a line of it is as wide
// as on the raster (a point of the page's 72 dots per inch would give three quarters of it).
TEST(VectorFile, PdfTextInPointsKeepsItsSize) {
  EnsureHeadlessGui();
  const OverlayPainter text = [](QPainter& painter) {
    QFont font;
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.drawText(QPointF(10, 30), QStringLiteral("MMMMMMMMMM"));
  };
  QImage raster(300, 60, QImage::Format_RGB32);
  raster.fill(Qt::white);
  QImage drawn = raster.copy();
  QPainter painter(&drawn);
  text(painter);
  painter.end();
  TempFolder folder;
  const QImage painted = PaintedFigure(*EncodeVectorFigure(raster, text, VectorFormat::kPdf), true,
                                       72, QString::fromStdString(folder.Path().string()));
  EXPECT_GT(InkWidth(drawn), 50);
  EXPECT_NEAR(InkWidth(painted), InkWidth(drawn), 4);
}

TEST(VectorFile, FailedWriteIsExitStatusTwo) {
  TempFolder folder;
  for (const std::string name : {"missing/map.svg", "missing/map.pdf"}) {
    const RunResult run = RunRenderer({"--gradient-space", "-o", folder.File(name)}, folder.Path());
    EXPECT_EQ(run.exitStatus, 2) << name;
    EXPECT_EQ(run.err, "gauss-sphere-render: cannot write " + folder.File(name) +
                           ": No such file or directory\n");
  }
  EXPECT_EQ(folder.Entries().size(), 2U);  // the run's logs alone
}

}  // namespace
