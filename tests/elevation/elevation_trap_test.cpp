// Files a hostile user can give as an elevation model: a label or header whose other file is a
// FIFO (which must not hold the reading), and damaged files that GDAL alone would read as zeros.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>

#include "deadline_run.h"
#include "elevation/elevation_model.h"
#include "elevation_files.h"
#include "pds_label.h"

namespace {

constexpr const char* kIsisLabel =
    "Object = IsisCube\n  Object = Core\n    ^Core = CUBE.DAT\n    Format = BandSequential\n"
    "    Group = Dimensions\n      Samples = 4\n      Lines = 2\n      Bands = 1\n    End_Group\n"
    "    Group = Pixels\n      Type = UnsignedByte\n      ByteOrder = Lsb\n      Base = 0.0\n"
    "      Multiplier = 1.0\n    End_Group\n  End_Object\nEnd_Object\nEnd\n";
constexpr const char* kEnviHeader =
    "ENVI\nsamples = 2\nlines = 2\nbands = 1\ndata type = 1\ninterleave = bsq\n";
constexpr const char* kGridHeader = "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n";

std::string Fifo(const std::string& path) {
  EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
  return path;
}

TEST(ElevationTrap, EachTrapIsItsMessageWithinASecond) {
  using enum ElevationFailure;
  ScratchFolder f;
  const struct {
    const char* trap;
    std::function<std::string()> make;  // the file to read, with what it needs beside it
    std::vector<std::string> fifos;
    ElevationFailure failure;
    std::string wording;
  } rows[] = {
      {"a PDS label whose data is a FIFO",
       [&f] {
         Fifo(f.File("DATA.IMG"));
         return WriteBytes(f.File("pds.lbl"), kPdsLabel);
       },
       {f.File("DATA.IMG")},
       kDataNotRegular,
       "файл данных «DATA.IMG» — это не обычный файл"},
      {"an ISIS3 label whose cube is a FIFO",
       [&f] {
         Fifo(f.File("CUBE.DAT"));
         return WriteBytes(f.File("isis.lbl"), kIsisLabel);
       },
       {f.File("CUBE.DAT")},
       kDataNotRegular,
       "файл данных «CUBE.DAT»"},
      {"an ENVI header that is a FIFO",
       [&f] {
         Fifo(f.File("e.hdr"));
         return WriteBytes(f.File("e.img"), "\1\2\3\4");
       },
       {f.File("e.hdr")},
       kDataNotRegular,
       "файл данных «e.hdr»"},
      {"an ASCII grid with a word among its numbers",
       [&f] { return WriteBytes(f.File("w.asc"), std::string(kGridHeader) + "1 2\nnone 4\n"); },
       {},
       kStrayText,
       "в строке 7 вместо числа «none»"},
      {"an ASCII grid with a line of text",
       [&f] {
         return WriteBytes(f.File("t.asc"),
                           std::string(kGridHeader) + "1 2\n" + std::string(100, 'x') + "\n3 4\n");
       },
       {},
       kStrayText,
       "в строке 7 вместо числа «" + std::string(40, 'x') + "…»"},
      {"an ENVI header offset past the end",
       [&f] {
         WriteBytes(f.File("o.hdr"), std::string(kEnviHeader) + "header offset = 100\n");
         return WriteBytes(f.File("o.img"), "\1\2\3\4");
       },
       {},
       kShortData,
       "нужно 104 байт, в файле 4"},
      {"an ENVI data file shorter than its cells",
       [&f] {
         WriteBytes(f.File("c.hdr"), kEnviHeader);
         return WriteBytes(f.File("c.img"), "\1\2\3");
       },
       {},
       kShortData,
       "нужно 4 байт, в файле 3"},
      {"an ENVI header without its size",
       [&f] {
         WriteBytes(f.File("h.hdr"), "ENVI\nsamples = 2\n");
         return WriteBytes(f.File("h.img"), "\1\2\3\4");
       },
       {},
       kDamaged,
       "заголовок файла повреждён"},
  };
  for (const auto& row : rows) {
    const std::string path = row.make();
    std::variant<HeightField, ElevationError> read;
    EXPECT_TRUE(FinishesWithin(std::chrono::seconds(1), row.fifos, [&] {
      read = ReadElevationModel(path);
    })) << row.trap;
    const auto* error = std::get_if<ElevationError>(&read);
    if (error == nullptr) {
      ADD_FAILURE() << row.trap << " reads";
      continue;
    }
    EXPECT_EQ(error->failure, row.failure) << row.trap << ": " << error->message;
    EXPECT_NE(error->message.find(row.wording), std::string::npos)
        << row.trap << ": " << error->message;
  }
  // What follows the grid's cells GDAL never reads: a note after them is no stray word.
  const std::string noted =
      WriteBytes(f.File("noted.asc"), std::string(kGridHeader) + "1 2\n3 4\nmade by hand\n");
  EXPECT_TRUE(std::holds_alternative<HeightField>(ReadElevationModel(noted)));
}

}  // namespace
