// A photo set that a hostile user arranged: a list or a photograph that is a FIFO (which must not
// hold the reader), a list linked to a /proc file that reports 0 bytes and gives gigabytes, a
// name of 100 000 characters; and a photograph past Qt's own 128 MB limit but under the set's cap.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "deadline_run.h"
#include "photo_folders.h"
#include "photoset/photo_pixels.h"
#include "photoset/photo_set.h"
#include "temp_folder.h"

namespace {

constexpr int kSide = 4;
const std::vector<LightAim> kAims{{30, 0}, {30, 120}, {30, 240}};

void WriteSoundSet(const TempFolder& folder) {
  std::string directions;
  for (const LightAim& aim : kAims) directions += DirectionLine(aim, 1.0);
  for (const char* name : {"a.png", "b.png", "c.png"}) {
    WriteTextFile(folder.File(name), Png16(kSide, kSide, std::vector<double>(kSide * kSide, 0.5)));
  }
  WriteTextFile(folder.File("filenames.txt"), "a.png\nb.png\nc.png\n");
  WriteTextFile(folder.File("light_directions.txt"), directions);
}

void MakeFifo(const std::string& path) {
  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
}

void LinkTo(const std::string& path, const char* target) {
  std::filesystem::remove(path);
  std::filesystem::create_symlink(target, path);
}

TEST(HostileFolder, EachTrapIsAMessageWithinASecond) {
  const std::string longName(100'000, 'n');
  const struct {
    const char* trap;
    std::function<void(const TempFolder&)> arrange;
    std::vector<std::string> fifos;  // to release a reader that waits on one
    std::string wanted;
  } rows[] = {
      {"filenames.txt a FIFO",
       [](const TempFolder& f) { MakeFifo(f.File("filenames.txt")); },
       {"filenames.txt"},
       "«filenames.txt»: это не обычный файл"},
      {"light_directions.txt a FIFO",
       [](const TempFolder& f) { MakeFifo(f.File("light_directions.txt")); },
       {"light_directions.txt"},
       "«light_directions.txt»: это не обычный файл"},
      {"light_intensities.txt a FIFO",
       [](const TempFolder& f) { MakeFifo(f.File("light_intensities.txt")); },
       {"light_intensities.txt"},
       "«light_intensities.txt»: это не обычный файл"},
      {"a photograph a FIFO",
       [](const TempFolder& f) { MakeFifo(f.File("b.png")); },
       {"b.png"},
       "«b.png»: это не обычный файл"},
      {"the mask a FIFO",
       [](const TempFolder& f) { MakeFifo(f.File("mask.png")); },
       {"mask.png"},
       "«mask.png»: это не обычный файл"},
      {"filenames.txt a /proc file",
       [](const TempFolder& f) { LinkTo(f.File("filenames.txt"), "/proc/self/pagemap"); },
       {},
       "«filenames.txt»: файл больше 16 МБ"},
      {"light_directions.txt a /proc file",
       [](const TempFolder& f) { LinkTo(f.File("light_directions.txt"), "/proc/self/pagemap"); },
       {},
       "«light_directions.txt»: файл больше 16 МБ"},
      {"a name of 100 000 characters",
       [&longName](const TempFolder& f) {
         WriteTextFile(f.File("filenames.txt"), "a.png\nb.png\n" + longName + "\n");
       },
       {},
       "«" + std::string(40, 'n') + "…»: "},
  };
  for (const auto& row : rows) {
    TempFolder folder;
    WriteSoundSet(folder);
    row.arrange(folder);
    std::vector<std::string> fifos;
    for (const std::string& name : row.fifos) fifos.push_back(folder.File(name));
    std::variant<RecoveryImages, std::string> read;
    const bool inTime = FinishesWithin(std::chrono::seconds(1), fifos, [&] {
      read = ReadPhotoSet(QString::fromStdString(folder.Path().string()));
    });
    EXPECT_TRUE(inTime) << row.trap;
    const auto* message = std::get_if<std::string>(&read);
    ASSERT_NE(message, nullptr) << row.trap;
    EXPECT_NE(message->find(row.wanted), std::string::npos) << row.trap << ": " << *message;
    EXPECT_LT(message->size(), 200u) << row.trap;
  }
}

// 4100 x 4100 at 16 bits a channel decode into 134 MB, past Qt's default limit of 128 MB; three
// of them are 50 million samples, under the set's cap of 64 million.
TEST(HostileFolder, APhotographPastQtsDefaultLimitDecodes) {
  constexpr int kBigSide = 4100;
  TempFolder folder;
  QImage wide(kBigSide, kBigSide, QImage::Format_RGBX64);
  wide.fill(Qt::gray);
  ASSERT_TRUE(wide.save(QString::fromStdString(folder.File("big.png")), "PNG", 100));
  wide = QImage();
  const std::variant<QImage, Message> decoded =
      DecodePhoto(QDir(QString::fromStdString(folder.Path().string())), QStringLiteral("big.png"));
  ASSERT_TRUE(std::holds_alternative<QImage>(decoded)) << RussianText(std::get<Message>(decoded));
  EXPECT_EQ(std::get<QImage>(decoded).size(), QSize(kBigSide, kBigSide));
}

}  // namespace
