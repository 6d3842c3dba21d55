// Every way a file fails gives its own Russian message naming the file, and GDAL prints nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "elevation/elevation_model.h"
#include "elevation_files.h"

namespace {

struct Case {
  const char* what;
  // Makes the file in the folder; returns its path.
  std::function<std::string(const ScratchFolder&)> make;
  ElevationOptions options;
  ElevationFailure failure;
  const char* wording;  // a distinctive part of the reason
};

const char kGrid[] = "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -1\n";

std::string Cut(const std::string& path, size_t keep) {
  return WriteBytes(path, ReadBytes(path).substr(0, keep));
}

TEST(ElevationFailure, EachFailureHasItsMessage) {
  const TiffSpec big{.width = 64, .height = 64, .values = std::vector(64 * 64, 1.0)};
  const Case cases[] = {
      {"missing",
       [](auto& f) { return f.File("нет.tif"); },
       {},
       ElevationFailure::kMissing,
       "не найден"},
      {"folder",
       [](auto& f) {
         std::filesystem::create_directory(f.File("dir.tif"));
         return f.File("dir.tif");
       },
       {},
       ElevationFailure::kNotRegularFile,
       "не обычный файл"},
      {"empty",
       [](auto& f) { return WriteBytes(f.File("empty.tif"), ""); },
       {},
       ElevationFailure::kEmpty,
       "файл пуст"},
      {"text as tif",
       [](auto& f) { return WriteBytes(f.File("text.tif"), "0 0 1\n1 0 2\n0 1 3\n1 1 4\n"); },
       {},
       ElevationFailure::kUnknownFormat,
       "формат файла не распознан"},
      {"header cut",
       [&](auto& f) { return Cut(WriteGeoTiff(f.File("head.tif"), big), 16); },
       {},
       ElevationFailure::kDamaged,
       "заголовок файла повреждён"},
      {"data cut",
       [&](auto& f) { return Cut(WriteGeoTiff(f.File("data.tif"), big), 16000); },
       {},
       ElevationFailure::kReadFailed,
       "данные не читаются"},
      {"band 2 of 1",
       [](auto& f) { return WriteBytes(f.File("b.asc"), kGrid + std::string("1 2")); },
       {.band = 2},
       ElevationFailure::kNoSuchBand,
       "канала 2 нет, каналов в файле: 1"},
      {"band 0",
       [](auto& f) { return WriteBytes(f.File("b.asc"), kGrid + std::string("1 2")); },
       {.band = 0},
       ElevationFailure::kNoSuchBand,
       "канала 0 нет"},
      {"huge",
       [](auto& f) {
         return WriteGeoTiff(f.File("huge.tif"), {100000, 100000});
       },
       {},
       ElevationFailure::kTooLarge,
       "сетка 100000 × 100000 слишком велика"},
      {"side",
       [](auto& f) {
         return WriteGeoTiff(f.File("side.tif"), {20001, 1});
       },
       {},
       ElevationFailure::kTooLarge,
       "20001 × 1"},
      {"cells",
       [](auto& f) {
         return WriteGeoTiff(f.File("cells.tif"), {7072, 7072});
       },
       {},
       ElevationFailure::kTooLarge,
       "7072 × 7072"},
      {"rotated",
       [](auto& f) {
         return WriteGeoTiff(f.File("rot.tif"),
                             {.values = {1, 2, 3, 4}, .transform = {{0, 1, 0.5, 0, 0, -1}}});
       },
       {},
       ElevationFailure::kRotated,
       "повёрнута"},
      {"only no data",
       [](auto& f) { return WriteBytes(f.File("void.asc"), kGrid + std::string("-1 -1")); },
       {},
       ElevationFailure::kNoHeights,
       "нет ни одной ячейки с высотой"},
      {"spacing 0",
       [](auto& f) { return WriteBytes(f.File("s.asc"), kGrid + std::string("1 2")); },
       {.spacing = 0.0},
       ElevationFailure::kBadOptions,
       "шаг сетки"},
  };
  ScratchFolder folder;
  for (const Case& c : cases) {
    const std::string path = c.make(folder);
    testing::internal::CaptureStderr();
    const auto result = ReadElevationModel(path, c.options);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.what;
    const auto* error = std::get_if<ElevationError>(&result);
    ASSERT_NE(error, nullptr) << c.what;
    EXPECT_EQ(error->failure, c.failure) << c.what << ": " << error->message;
    const std::string name = std::filesystem::path(path).filename().string();
    EXPECT_EQ(error->message.rfind("Не удалось прочитать модель рельефа «" + name + "»: ", 0), 0u)
        << error->message;
    EXPECT_NE(error->message.find(c.wording), std::string::npos) << error->message;
  }
}

}  // namespace
