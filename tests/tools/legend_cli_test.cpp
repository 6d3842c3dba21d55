// --legend draws the levels' legend beside the picture, never over it: the picture written
// without it is the top left of the one written with it, in every raster format and scene; an SVG
// grows by the strip and holds each row's text; a run that writes no picture refuses it.
// --error-out writes the recovery's error map with its colour bar; a fixed --error-scale gives
// two runs with different errors the same bar, and a scale that cannot be honoured is refused.

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <string>
#include <vector>

#include "run_renderer.h"
#include "temp_folder.h"

namespace {

using Args = std::vector<std::string>;

QImage Decoded(const std::string& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<int>(bytes.size()))
      .convertToFormat(QImage::Format_RGB32);
}

Args With(Args args, const Args& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(LegendCli, TheLegendStandsBesideThePicture) {
  const struct {
    const char* name;
    Args args;
    const char* file;
  } rows[] = {
      {"sphere png", {"--size", "120x90"}, "a.png"},
      {"grey sphere bmp", {"--grey", "--exposure", "2", "--scale", "2"}, "a.bmp"},
      {"map with marks", {"--gradient-space", "--marks", "--size", "200x150"}, "a.png"},
      {"plain surface", {"--surface", "hills", "--surface-size", "40x30", "--plain"}, "a.png"},
  };
  for (const auto& row : rows) {
    TempFolder folder;
    const std::string plainPath = folder.File(std::string("plain-") + row.file);
    const std::string legendPath = folder.File(row.file);
    ASSERT_EQ(RenderInProcess(With(row.args, {"-o", plainPath})).exitStatus, 0) << row.name;
    const RunResult run = RenderInProcess(With(row.args, {"--legend", "-o", legendPath}));
    ASSERT_EQ(run.exitStatus, 0) << row.name << ": " << run.err;
    const QImage plain = Decoded(ReadWholeFile(plainPath));
    const QImage legend = Decoded(ReadWholeFile(legendPath));
    ASSERT_FALSE(plain.isNull() || legend.isNull()) << row.name;
    EXPECT_GT(legend.width(), plain.width()) << row.name;
    EXPECT_GE(legend.height(), plain.height()) << row.name;
    EXPECT_EQ(legend.copy(0, 0, plain.width(), plain.height()), plain) << row.name;
    // Something is drawn in the strip: it is not all white.
    const QImage strip =
        legend.copy(plain.width(), 0, legend.width() - plain.width(), legend.height());
    EXPECT_NE(strip, QImage(strip.size(), strip.format())) << row.name;
  }
}

TEST(LegendCli, AnSvgGrowsByTheStripAndWritesEachLevel) {
  TempFolder folder;
  const Args base = {"--levels", "0.95,0.8,0.7,0.6,0.5,0.4,0.25", "--half-widths",
                     "0.01,0.005,0.005,0.005,0.005,0.005,0.02"};
  ASSERT_EQ(RenderInProcess(With(base, {"-o", folder.File("plain.svg")})).exitStatus, 0);
  ASSERT_EQ(RenderInProcess(With(base, {"--legend", "-o", folder.File("l.svg")})).exitStatus, 0);
  const QString plain = QString::fromStdString(ReadWholeFile(folder.File("plain.svg")));
  const QString legend = QString::fromStdString(ReadWholeFile(folder.File("l.svg")));
  const QRegularExpression width(QStringLiteral("<svg width=\"(\\d+)\""));
  EXPECT_GT(width.match(legend).captured(1).toInt(), width.match(plain).captured(1).toInt());
  for (const char* text : {"0.95 ± 0.01", "0.8 ± 0.005", "0.25 ± 0.02"}) {
    EXPECT_TRUE(legend.contains(QString::fromUtf8(text))) << text;
  }
}

TEST(LegendCli, OptionsThatCannotBeHonouredAreRefused) {
  const Args hills = {"--surface", "hills",   "--surface-size", "24x24",     "--light",
                      "30,90",     "--light", "30,200",         "--recover", "ps"};
  const struct {
    Args args;
    const char* said;
  } rows[] = {
      {{"--legend", "--profile", "0,0:50,50", "-o", "@p.csv"}, "--legend"},
      {{"--legend", "--phase-curve", "-o", "@c.svg"}, "--legend"},
      {{"--legend", "--readout", "5,5"}, "--legend"},
      {{"--legend", "--compare", "matte,rocky", "-o", "@c.png"}, "--legend"},
      {{"--legend", "--sweep", "slant=0:10:2", "-o", "@s.gif"}, "--legend"},
      {With(hills, {"--legend"}), "--legend"},
      {With(hills, {"--error-scale", "30"}), "give --error-out"},
      {With(hills, {"--error-out", "@e.png", "--error-scale", "0"}), "0.1 to 180"},
      {With(hills, {"--error-out", "@e.png", "--error-scale", "200"}), "0.1 to 180"},
      {With(hills, {"--error-out", "@e.png", "--error-scale", "wide"}), "0.1 to 180"},
      {With(hills, {"--error-out", "@e.jpg"}), ".png"},
      {With(hills, {"--error-out", "@e.png", "--normals-out", "@e.png"}), "the same file"},
      {{"--error-out", "@e.png", "-o", "@a.png"}, "give --recover"},
  };
  for (const auto& row : rows) {
    TempFolder folder;
    Args args;
    for (const std::string& arg : row.args)
      args.push_back(arg[0] == '@' ? folder.File(arg.substr(1)) : arg);
    const RunResult run = RenderInProcess(args);
    EXPECT_EQ(run.exitStatus, 2) << row.said;
    EXPECT_NE(run.err.find(row.said), std::string::npos) << run.err;
    EXPECT_TRUE(folder.Entries().empty()) << row.said;
  }
}

TEST(LegendCli, AFixedErrorScaleGivesTwoRunsOneBar) {
  // Noise of 1 and of 12 grey levels: the automatic tops differ, a fixed one does not.
  const auto errorMap = [](const char* noise, const Args& scale) {
    TempFolder folder;
    const RunResult run = RenderInProcess(
        With({"--surface", "hills", "--surface-size", "48x48", "--light", "30,90", "--light",
              "30,200", "--recover", "ps", "--noise", noise, "--error-out", folder.File("e.png")},
             scale));
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    const QImage image = Decoded(ReadWholeFile(folder.File("e.png")));
    // 48 cells of 4 pixels: the bar and its numbers stand right of 192 pixels.
    return image.copy(192, 0, image.width() - 192, image.height());
  };
  EXPECT_NE(errorMap("1", {}), errorMap("12", {}));
  EXPECT_EQ(errorMap("1", {"--error-scale", "40"}), errorMap("12", {"--error-scale", "40"}));
}

}  // namespace
