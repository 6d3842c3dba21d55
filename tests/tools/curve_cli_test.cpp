// The renderer's curves: a profile's values are the readout's at its pixels, to the digits
// printed; the phase curve's CSV reads back; a plotted SVG parses and carries its axis numbers;
// --size, --scale and --line-width shape the plot; compared curves' columns are headed by their
// entries; the law's albedos and a fit are printed, the fit's CSV holds each point's residual, and
// what the observed points cannot honour is refused before anything is written.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "headless_gui.h"
#include "option_values.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"
#include "vector_files.h"

namespace {

// The renderer's exit status, and its stdout into `out`; a refusal always says why.
int Render(const std::vector<std::string>& args, std::string* out = nullptr) {
  const RunResult run = RenderInProcess(args);
  if (out != nullptr) *out = run.out;
  EXPECT_TRUE(run.exitStatus == 0 || !run.err.empty());
  return run.exitStatus;
}

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// "phi=0.824 painted=0.824" of a readout line, as "0.824,0.824"; ",": the background.
std::string PhiPair(const std::string& line) {
  const size_t phi = line.find(" phi=");
  if (phi == std::string::npos) return ",";
  const size_t painted = line.find(" painted=");
  const std::string a = line.substr(phi + 5, line.find(' ', phi + 1) - phi - 5);
  const std::string b = line.substr(painted + 9, line.find(' ', painted + 1) - painted - 9);
  return a + "," + b;
}

TEST(CurveCli, AProfileIsTheReadoutAtItsPixels) {
  const std::vector<std::vector<std::string>> pictures = {
      {"--function", "minnaert", "--param", "k=0.5", "--slant", "40"},
      {"--gradient-space", "--slant", "30", "--light", "40,90"},
      {"--surface", "crater", "--slant", "50"}};
  for (const std::vector<std::string>& picture : pictures) {
    TempFolder folder;
    std::vector<std::string> args = picture;
    args.insert(args.end(), {"--profile", "20,30:230,200", "-o", folder.File("p.csv")});
    ASSERT_EQ(Render(args), 0) << picture[0];
    const std::vector<std::string> rows = Lines(folder.File("p.csv"));
    ASSERT_EQ(rows.size(), 212U) << picture[0];  // the header and 211 pixels
    for (size_t k = 1; k < rows.size(); k += 30) {
      std::istringstream row(rows[k]);
      std::string x, y;
      std::getline(row, x, ',');
      std::getline(row, y, ',');
      std::vector<std::string> readout = picture;
      readout.insert(readout.end(), {"--readout", x + "," + y});
      std::string line;
      ASSERT_EQ(Render(readout, &line), 0);
      EXPECT_EQ(rows[k].substr(x.size() + y.size() + 2, PhiPair(line).size()), PhiPair(line))
          << picture[0] << ": " << rows[k] << " / " << line;
    }
  }
}

TEST(CurveCli, ThePhaseCurveReadsBackAndItsPlotHasNumbers) {
  TempFolder folder;
  ASSERT_EQ(Render({"--phase-curve", "--phase-step", "2", "-o", folder.File("c.csv")}), 0);
  const std::vector<std::string> rows = Lines(folder.File("c.csv"));
  ASSERT_EQ(rows.size(), 92U);
  EXPECT_EQ(rows[0], "g,brightness");
  EXPECT_EQ(rows[1], "0.000,1.000000");
  EXPECT_EQ(rows.back().substr(0, 8), "180.000,");
  ASSERT_EQ(Render({"--phase-curve", "-o", folder.File("c.svg")}), 0);
  std::ifstream file(folder.File("c.svg"));
  const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const SvgContents contents = ReadSvg(QByteArray::fromStdString(svg));
  EXPECT_TRUE(contents.error.isEmpty()) << contents.error.toStdString();
  for (const char* number : {"0", "90", "180", "0.00", "1.00"}) {
    EXPECT_TRUE(contents.texts.contains(QString::fromLatin1(number))) << number;
  }
  // --phase-max: the surge up close, ending at its degree; a range beyond 1 to 180 is refused.
  ASSERT_EQ(Render({"--phase-curve", "--phase-step", "0.5", "--phase-max", "10", "-o",
                    folder.File("near.csv")}),
            0);
  const std::vector<std::string> near = Lines(folder.File("near.csv"));
  ASSERT_EQ(near.size(), 22U);
  EXPECT_EQ(near.back().substr(0, 7), "10.000,");
  EXPECT_EQ(near[5], rows[2]);  // g = 2: the same curve, closer
  for (const char* refused : {"0.5", "181", "x"}) {
    EXPECT_EQ(Render({"--phase-curve", "--phase-max", refused, "-o", folder.File("r.csv")}), 2);
  }
  EXPECT_EQ(Render({"--phase-curve", "--function", "mirror", "-o", folder.File("m.csv")}), 2);
  EXPECT_EQ(Render({"--profile", "0,0:500,10", "-o", folder.File("off.csv")}), 2);
  EXPECT_EQ(Render({"--phase-curve", "-o", folder.File("c.bmp")}), 2);
}

// Each option changes the plot it is given for: its size, or (--line-width) its pixels.
TEST(CurveCli, PlotsTakeSizeScaleAndLineWidth) {
  TempFolder folder;
  const std::vector<std::string> phase{"--phase-curve", "--phase-step", "5"};
  const std::vector<std::string> profile{"--profile", "100,168:300,168"};
  const std::vector<std::string> compare{"--compare", "matte,hapke", "--phase-curve",
                                         "--phase-step", "5"};
  const struct {
    std::vector<std::string> curve;
    std::vector<std::string> options;
    QSize size;
  } kRows[] = {{phase, {"--scale", "2"}, {1520, 920}},
               {phase, {"--size", "1600x1000"}, {1600, 1000}},
               {phase, {"--line-width", "3"}, {760, 460}},
               {profile, {"--scale", "3"}, {2280, 1380}},
               {profile, {"--line-width", "2"}, {760, 460}},
               {compare, {"--size", "900x500", "--scale", "2"}, {900, 500}}};
  for (const auto& row : kRows) {
    std::vector<std::string> plain = row.curve;
    plain.insert(plain.end(), {"-o", folder.File("plain.png")});
    ASSERT_EQ(Render(plain), 0);
    std::vector<std::string> args = row.curve;
    args.insert(args.end(), row.options.begin(), row.options.end());
    args.insert(args.end(), {"-o", folder.File("shaped.png")});
    ASSERT_EQ(Render(args), 0) << row.options[0];
    const QImage shaped(QString::fromStdString(folder.File("shaped.png")));
    EXPECT_EQ(shaped.size(), row.size) << row.options[0];
    EXPECT_NE(shaped, QImage(QString::fromStdString(folder.File("plain.png"))))
        << row.curve[0] << " " << row.options[0];
  }
}

// RFC 4180: a name with a comma is one quoted field, so every row has the header's fields: the
// key columns (g; or e, x, y along the equator) and one a law.
// The header names each entry's column as typed: keys a script finds whatever the language.
TEST(CurveCli, ComparedCurvesHeadTheirColumnsWithTheEntries) {
  const struct {
    std::vector<std::string> curve;
    size_t rows;
    size_t fields;
  } kRows[] = {{{"--phase-curve", "--phase-step", "10"}, 20, 5},
               {{"--profile", "equator", "--slant", "30", "--rot-x", "60"}, 1506, 7}};
  for (const auto& row : kRows) {
    TempFolder folder;
    std::vector<std::string> args{"--compare", "matte,lommel-seeliger,hapke,minnaert:k=0.5"};
    args.insert(args.end(), row.curve.begin(), row.curve.end());
    args.insert(args.end(), {"-o", folder.File("c.csv")});
    ASSERT_EQ(Render(args), 0) << row.curve[0];
    const std::vector<std::string> rows = Lines(folder.File("c.csv"));
    ASSERT_EQ(rows.size(), row.rows) << row.curve[0];
    const std::string entries = ",matte,lommel-seeliger,hapke,minnaert:k=0.5";
    EXPECT_EQ(rows[0].substr(rows[0].size() - std::min(rows[0].size(), entries.size())), entries);
    const auto fields = [](const std::string& line) {
      size_t count = 1;
      bool quoted = false;
      for (const char c : line) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) ++count;
      }
      return count;
    };
    for (const std::string& line : rows) ASSERT_EQ(fields(line), row.fields) << line;
  }
}

TEST(CurveCli, TheAlbedosAndAFitArePrinted) {
  TempFolder folder;
  std::string out;
  ASSERT_EQ(Render({"--phase-curve", "-o", folder.File("c.csv")}, &out), 0);
  EXPECT_EQ(out, "");  // what a plain phase curve prints stays as it was
  ASSERT_EQ(
      Render({"--phase-curve", "--albedos", "--law-albedo", "0.5", "-o", folder.File("c.csv")},
             &out),
      0);
  EXPECT_EQ(out, "geometric_albedo=0.333333 phase_integral=1.500000 spherical_albedo=0.500000\n");
  std::ofstream(folder.File("o.csv")) << "# a note\ng,magnitude,sigma\n1,7.02,0.02\n5,7.31,0.02\n"
                                         "10,7.52,0.03\n20,7.93,0.02\n35,8.41,0.05\n";
  ASSERT_EQ(Render({"--phase-curve", "--observations", folder.File("o.csv"), "--fit", "H,G1,G2",
                    "-o", folder.File("f.csv")},
                   &out),
            0);
  EXPECT_EQ(out.substr(0, 2), "H=") << out;
  EXPECT_NE(out.find("\nG2="), std::string::npos) << out;
  EXPECT_NE(out.find("degrees_of_freedom=2 points=5"), std::string::npos) << out;
  const std::vector<std::string> rows = Lines(folder.File("f.csv"));
  ASSERT_EQ(rows.size(), 6U);
  EXPECT_EQ(rows[0], "g,observed,sigma,model,residual");
  for (size_t k = 1; k < rows.size(); ++k) {
    const std::vector<std::string> cells = SplitAt(rows[k], ',');
    ASSERT_EQ(cells.size(), 5U) << rows[k];
    EXPECT_NEAR(std::stod(cells[1]) - std::stod(cells[3]), std::stod(cells[4]), 2e-6) << rows[k];
  }
}

TEST(CurveCli, WhatObservedPointsCannotHonourIsRefusedAndNothingWritten) {
  TempFolder folder;
  std::ofstream(folder.File("good.csv")) << "g,brightness\n5,0.3\n30,0.2\n60,0.1\n";
  std::ofstream(folder.File("bad.csv")) << "g,brightness\n5,0.3\n190,0.2\n60,-1\n";
  const std::string good = folder.File("good.csv");
  const struct {
    std::vector<std::string> args;
    const char* says;
  } kRows[] = {
      {{"--fit", "albedo"}, "--observations"},
      {{"--function", "hapke", "--albedos", "--law-albedo", "0.5"}, "--param w"},
      {{"--albedos", "--law-albedo", "1.5"}, "0 to 1"},
      {{"--law-albedo", "0.5"}, "--albedos"},
      {{"--observations", folder.File("bad.csv")}, "190,0.2"},
      {{"--observations", folder.File("missing.csv")}, "missing.csv"},
      {{"--observations", folder.Path().string()}, "regular"},
      {{"--observations", good, "--fit", "k"}, "“k” is not a parameter"},
      {{"--observations", good, "--fit", "H,G,G1"}, "two systems"},
      {{"--observations", good, "--fit", "albedo,albedo"}, "each once"},
      {{"--observations", good, "--fit", "H,G1,G2"}, ""},
  };
  for (const auto& row : kRows) {
    std::vector<std::string> args{"--phase-curve"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    args.insert(args.end(), {"-o", folder.File("out.csv")});
    const RunResult run = RenderInProcess(args);
    if (std::string(row.says).empty()) {  // three points, three parameters: no uncertainty
      EXPECT_EQ(run.exitStatus, 0) << run.err;
      EXPECT_NE(run.out.find("+- nan"), std::string::npos) << run.out;
      continue;
    }
    EXPECT_EQ(run.exitStatus, 2) << row.args[0] << " " << row.args.back();
    EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.csv"))) << row.args[0];
  }
  const RunResult bad = RenderInProcess(
      {"--phase-curve", "--observations", folder.File("bad.csv"), "-o", folder.File("out.csv")});
  EXPECT_NE(bad.err.find("line 4"), std::string::npos) << bad.err;  // every bad line named
}

}  // namespace
