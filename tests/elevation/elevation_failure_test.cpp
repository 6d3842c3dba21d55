// Every way a file fails gives its own Russian message naming the file, and GDAL prints nothing.
#include <gtest/gtest.h>

#include <functional>

#include "elevation/elevation_model.h"
#include "elevation_files.h"

namespace {

std::string Grid(const ScratchFolder& folder, const std::string& cells) {
  return WriteBytes(
      folder.File("g.asc"),
      "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -1\n" + cells);
}

// A 64 x 64 GeoTIFF (its header first, 32 KiB of data after it) cut to its first `keep` bytes.
std::string CutTiff(const ScratchFolder& folder, const char* name, size_t keep) {
  const std::string path = WriteGeoTiff(folder.File(name), {64, 64, std::vector(64 * 64, 1.0)});
  std::filesystem::resize_file(path, keep);
  return path;
}

TEST(ElevationFailure, EachFailureHasItsMessage) {
  const struct {
    std::function<std::string(const ScratchFolder&)> make;
    ElevationOptions options;
    ElevationFailure failure;
    const char* wording;  // a distinctive part of the reason
  } cases[] = {
      {[](auto& f) { return f.File("нет.tif"); }, {}, ElevationFailure::kMissing, "не найден"},
      {[](auto& f) { return std::filesystem::create_directory(f.File("d.tif")), f.File("d.tif"); },
       {},
       ElevationFailure::kNotRegularFile,
       "не обычный файл"},
      {[](auto& f) { return WriteBytes(f.File("empty.tif"), ""); },
       {},
       ElevationFailure::kEmpty,
       "файл пуст"},
      // A list of points, which a driver for point lists would take for a grid.
      {[](auto& f) { return WriteBytes(f.File("text.tif"), "0 0 1\n1 0 2\n0 1 3\n1 1 4\n"); },
       {},
       ElevationFailure::kUnknownFormat,
       "формат файла не распознан"},
      {[](auto& f) { return CutTiff(f, "head.tif", 16); },
       {},
       ElevationFailure::kDamaged,
       "заголовок файла повреждён"},
      {[](auto& f) { return CutTiff(f, "data.tif", 16000); },
       {},
       ElevationFailure::kReadFailed,
       "данные не читаются"},
      {[](auto& f) { return Grid(f, "1 2"); },
       {.band = 2},
       ElevationFailure::kNoSuchBand,
       "канала 2 нет, каналов в файле: 1"},
      {[](auto& f) { return Grid(f, "1 2"); },
       {.band = 0},
       ElevationFailure::kNoSuchBand,
       "канала 0 нет"},
      {[](auto& f) { return Grid(f, "1 2"); },
       {.spacing = 0.0},
       ElevationFailure::kBadOptions,
       "шаг сетки"},
      {[](auto& f) { return Grid(f, "-1 -1"); },
       {},
       ElevationFailure::kNoHeights,
       "нет ни одной ячейки с высотой"},
      {[](auto& f) {
         return WriteGeoTiff(f.File("huge.tif"), {100000, 100000});
       },
       {},
       ElevationFailure::kTooLarge,
       "сетка 100000 × 100000 слишком велика"},
      {[](auto& f) {
         return WriteGeoTiff(f.File("side.tif"), {20001, 1});
       },
       {},
       ElevationFailure::kTooLarge,
       "20001 × 1"},
      {[](auto& f) {
         return WriteGeoTiff(f.File("cells.tif"), {7072, 7072});
       },
       {},
       ElevationFailure::kTooLarge,
       "7072 × 7072"},
      {[](auto& f) {
         return WriteGeoTiff(f.File("rot.tif"),
                             {.values = {1, 2, 3, 4}, .transform = {{0, 1, 0.5, 0, 0, -1}}});
       },
       {},
       ElevationFailure::kRotated,
       "повёрнута"},
  };
  ScratchFolder folder;
  for (const auto& c : cases) {
    const std::string path = c.make(folder);
    testing::internal::CaptureStderr();
    const auto result = ReadElevationModel(path, c.options);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << path;
    const auto* error = std::get_if<ElevationError>(&result);
    ASSERT_NE(error, nullptr) << path;
    EXPECT_EQ(error->failure, c.failure) << error->message;
    const std::string name = std::filesystem::path(path).filename().string();
    EXPECT_EQ(error->message.find("Не удалось прочитать модель рельефа «" + name + "»: "), 0u)
        << error->message;
    EXPECT_NE(error->message.find(c.wording), std::string::npos) << error->message;
  }
}

}  // namespace
