// The renderer's recovery from a folder of photographs: every way a folder breaks is a message
// naming the file, exit status 2 and no file written; a sound folder prints the count of
// recovered cells alone, and --images refuses the options that only make sense for a surface.

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "photo_folders.h"
#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

constexpr int kWidth = 8;
constexpr int kHeight = 6;
constexpr int kMaskedCells = 2;
const std::vector<LightAim> kAims{{30, 0}, {30, 120}, {30, 240}};

std::string Flat(int width, int height, double value) {
  return Png16(width, height, std::vector<double>(static_cast<size_t>(width) * height, value));
}

// A flat surface of albedo 0.8 under three lights, each direction at another length, and a mask
// that hides kMaskedCells cells of the last row.
// `colour`: each channel times its weight, as photographs of a coloured surface.
void WriteFlatSet(const TempFolder& folder, const std::array<double, 3>& colour = {0, 0, 0}) {
  std::string directions;
  for (size_t k = 0; k < kAims.size(); ++k) {
    directions += DirectionLine(kAims[k], 1.0 + static_cast<double>(k));
    const std::vector<double> lit(static_cast<size_t>(kWidth) * kHeight,
                                  0.8 * DirectionOf(kAims[k]).z);
    WriteTextFile(folder.File(std::string(1, 'a' + k) + ".png"),
                  Png16(kWidth, kHeight, lit, colour));
  }
  WriteTextFile(folder.File("filenames.txt"), "a.png\nb.png\nc.png\n");
  WriteTextFile(folder.File("light_directions.txt"), directions);
  std::vector<double> mask(kWidth * kHeight, 1.0);
  std::fill_n(mask.end() - kMaskedCells, kMaskedCells, 0.0);
  WriteTextFile(folder.File("mask.png"), Png16(kWidth, kHeight, mask));
}

// A file of the sound set written anew (or removed: nullopt), and what the message must hold.
struct BrokenFile {
  std::string name;
  std::optional<std::string> bytes;
  std::vector<std::string> wanted;
};

TEST(PhotoSetCli, ABrokenFolderNamesItsFileAndWritesNothing) {
  const std::string x = "0.1 0.2 1\n";
  const std::string lights = "light_directions.txt";
  const std::string gains = "light_intensities.txt";
  const std::vector<std::vector<BrokenFile>> rows = {
      {{"filenames.txt", std::nullopt, {"«filenames.txt»"}}},
      {{"filenames.txt", "\n  \r\n", {"«filenames.txt»"}}},
      {{"b.png", std::nullopt, {"«b.png»"}}},
      {{"b.png", "PNG?", {"«b.png»"}}},
      {{"c.png", Flat(kWidth - 1, kHeight, 0.5), {"«c.png»", "7 × 6", "«a.png»", "8 × 6"}}},
      {{"mask.png", Flat(kWidth, kHeight + 1, 1), {"«mask.png»", "8 × 7", "8 × 6"}}},
      {{lights, x + "\n" + x, {"«light_directions.txt»: 2 строки для 3 снимков"}}},
      {{lights, x + "nan 0 1\n" + x, {"«light_directions.txt», строка 2"}}},
      {{lights, x + x + "0 0 z\n", {"«light_directions.txt», строка 3", "«0 0 z»"}}},
      {{lights, "1e400 0 1\n" + x + x, {"«light_directions.txt», строка 1"}}},
      {{lights, x + x + "0 1\n", {"«light_directions.txt», строка 3"}}},
      {{lights, x + "\n" + x + "0 0 0\n", {"«light_directions.txt», строка 4", "нулевой"}}},
      {{lights, x + "1 0 0\n" + x, {"«light_directions.txt», строка 2", "z ≤ 0"}}},
      {{lights, "0.2 0.1 -1\n" + x + x, {"«light_directions.txt», строка 1", "z ≤ 0"}}},
      {{lights, "0.5 0 1\n-0.5 0 1\n0 0 2\n", {"«light_directions.txt»", "одной плоскости"}}},
      {{gains, "1 1 1\n1 1 1\n", {"«light_intensities.txt»: 2 строки для 3 снимков"}}},
      {{gains, "1 1 1\n1 0 1\n1 1 1\n", {"«light_intensities.txt», строка 2"}}},
      {{gains, "1 1 1\n1 1 1\n1 1 -2\n", {"«light_intensities.txt», строка 3"}}},
      // 3 x 4700 x 4700 samples, above the cap: refused from the header, before decoding.
      {{"big.png", Flat(4700, 4700, 0), {"«big.png»", "64 млн"}},
       {"filenames.txt", "big.png\nbig.png\nbig.png\n", {}}},
  };
  for (const std::vector<BrokenFile>& row : rows) {
    TempFolder folder, outputs;
    WriteFlatSet(folder);
    for (const BrokenFile& file : row) {
      if (file.bytes) WriteTextFile(folder.File(file.name), *file.bytes);
      if (!file.bytes) std::filesystem::remove(folder.File(file.name));
    }
    const RunResult run = RenderInProcess({"--images", folder.Path().string(), "--recover", "ps",
                                           "--height-out", outputs.File("h.tif"), "--normals-out",
                                           outputs.File("n.png"), "--language", "ru"});
    EXPECT_EQ(run.exitStatus, 2) << row.front().name;
    for (const std::string& part : row.front().wanted) {
      EXPECT_NE(run.err.find(part), std::string::npos) << part << " in " << run.err;
    }
    EXPECT_TRUE(outputs.Entries().empty()) << run.err;
  }
  TempFolder outputs;
  const RunResult none = RenderInProcess({"--images", outputs.File("nowhere"), "--recover", "ps"});
  EXPECT_EQ(none.exitStatus, 2);
  EXPECT_NE(none.err.find("nowhere"), std::string::npos) << none.err;
}

TEST(PhotoSetCli, PhotographsReportTheirRecoveredCellsAlone) {
  TempFolder folder, outputs;
  WriteFlatSet(folder);
  const std::string dir = folder.Path().string();
  RunResult run =
      RenderInProcess({"--images", dir, "--recover", "ps", "--height-out", outputs.File("h.asc")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "recovered_pixels=" + std::to_string(kWidth * kHeight - kMaskedCells) + "\n");
  EXPECT_TRUE(std::filesystem::exists(outputs.File("h.asc")));
  EXPECT_EQ(RenderInProcess({"--images", dir, "--recover", "sfs-tsai-shah"}).exitStatus, 0);
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{"--noise", "0"}, {"--quantise", "16"}, {"--surface", "cone"}}) {
    std::vector<std::string> args{"--images", dir, "--recover", "ps"};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(RenderInProcess(args).exitStatus, 2) << extra.front();
  }
}

// Colour photographs' albedo (0.8 times each channel's weight here) is written in colour; grey
// ones' in grey.
TEST(PhotoSetCli, ColourPhotographsWriteAColourAlbedo) {
  const struct {
    std::array<double, 3> colour;
    QRgb albedo;
  } kRows[] = {{{1.0, 0.5, 0.25}, qRgb(204, 102, 51)}, {{0, 0, 0}, qRgb(204, 204, 204)}};
  for (const auto& row : kRows) {
    TempFolder folder, outputs;
    WriteFlatSet(folder, row.colour);
    const RunResult run = RenderInProcess({"--images", folder.Path().string(), "--recover", "ps",
                                           "--albedo-out", outputs.File("a.png")});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const QImage albedo(QString::fromStdString(outputs.File("a.png")));
    ASSERT_FALSE(albedo.isNull());
    EXPECT_EQ(albedo.pixel(kWidth / 2, kHeight / 2), row.albedo)
        << std::hex << albedo.pixel(kWidth / 2, kHeight / 2);
  }
}

}  // namespace
