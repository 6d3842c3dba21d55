// Every way a file fails gives its own Russian message naming the file, and GDAL prints nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "elevation/elevation_model.h"
#include "elevation_files.h"

namespace {

std::string Grid(const ScratchFolder& folder, const std::string& cells,
                 const char* name = "g.asc") {
  return WriteBytes(
      folder.File(name),
      "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -1\n" + cells);
}

// A 64 x 64 GeoTIFF (its header first, 32 KiB of data after it) cut to its first `keep` bytes.
std::string CutTiff(const ScratchFolder& folder, const char* name, size_t keep) {
  const std::string path = WriteGeoTiff(folder.File(name), {64, 64, std::vector(64 * 64, 1.0)});
  std::filesystem::resize_file(path, keep);
  return path;
}

TEST(ElevationFailure, EachFailureHasItsMessage) {
  using enum ElevationFailure;
  ScratchFolder f;
  std::filesystem::create_directory(f.File("d.tif"));
  const struct {
    std::string path;
    ElevationOptions options;
    ElevationFailure failure;
    const char* wording;  // a distinctive part of the reason
  } cases[] = {
      {f.File("нет.tif"), {}, kMissing, "не найден"},
      {f.File("d.tif"), {}, kNotRegularFile, "не обычный файл"},
      {WriteBytes(f.File("empty.tif"), ""), {}, kEmpty, "файл пуст"},
      // A list of points, which a driver for point lists would take for a grid.
      {WriteBytes(f.File("text.tif"), "0 0 1\n1 0 2\n0 1 3\n1 1 4\n"),
       {},
       kUnknownFormat,
       "формат файла не распознан"},
      {CutTiff(f, "head.tif", 16), {}, kDamaged, "заголовок файла повреждён"},
      {CutTiff(f, "data.tif", 16000), {}, kReadFailed, "данные не читаются"},
      {Grid(f, "1 2"), {.band = 2}, kNoSuchBand, "канала 2 нет, каналов в файле: 1"},
      {Grid(f, "1 2"), {.band = 0}, kNoSuchBand, "канала 0 нет"},
      {Grid(f, "1 2"), {.spacing = 0.0}, kBadOptions, "шаг сетки"},
      {Grid(f, "-1 -1", "void.asc"), {}, kNoHeights, "нет ни одной ячейки с высотой"},
      {WriteGeoTiff(f.File("huge.tif"), {100000, 100000}),
       {},
       kTooLarge,
       "сетка 100000 × 100000 слишком велика"},
      {WriteGeoTiff(f.File("side.tif"), {20001, 1}), {}, kTooLarge, "20001 × 1"},
      {WriteGeoTiff(f.File("cells.tif"), {7072, 7072}), {}, kTooLarge, "7072 × 7072"},
      {WriteGeoTiff(f.File("rot.tif"),
                    {.values = {1, 2, 3, 4}, .transform = {{0, 1, 0.5, 0, 0, -1}}}),
       {},
       kRotated,
       "повёрнута"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    const auto result = ReadElevationModel(c.path, c.options);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.path;
    const auto* error = std::get_if<ElevationError>(&result);
    ASSERT_NE(error, nullptr) << c.path;
    EXPECT_EQ(error->failure, c.failure) << error->message;
    const std::string name = std::filesystem::path(c.path).filename().string();
    EXPECT_EQ(error->message.find("Не удалось прочитать модель рельефа «" + name + "»: "), 0u)
        << error->message;
    EXPECT_NE(error->message.find(c.wording), std::string::npos) << error->message;
  }
}

}  // namespace
