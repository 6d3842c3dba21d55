#include "picture_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "temp_folder.h"

namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// 3 by 2 pixels, every one different, so that a swapped axis or channel shows.
ImageBuffer SmallPicture() {
  ImageBuffer picture(3, 2);
  picture.SetPixel(0, 0, {255, 0, 0});
  picture.SetPixel(1, 0, {0, 255, 0});
  picture.SetPixel(2, 0, {0, 0, 255});
  picture.SetPixel(0, 1, {1, 2, 3});
  picture.SetPixel(1, 1, {128, 64, 32});
  picture.SetPixel(2, 1, {255, 255, 255});
  return picture;
}

TEST(PictureFileTest, PpmHoldsHeaderThenRowsFromTheTop) {
  const std::string expected = std::string("P6\n3 2\n255\n") +
                               std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 9) +
                               std::string("\x01\x02\x03\x80\x40\x20\xFF\xFF\xFF", 9);
  EXPECT_EQ(EncodePpm(SmallPicture()), expected);
}

// PNG and BMP, both through Qt's writers, decode to the painted pixels.
TEST(PictureFileTest, PngAndBmpDecodeToTheSamePixels) {
  const ImageBuffer picture = SmallPicture();
  for (const auto& [format, bytes] :
       {std::pair{"PNG", EncodePng(picture)}, std::pair{"BMP", EncodeBmp(picture)}}) {
    ASSERT_FALSE(bytes.empty()) << format;
    const QImage decoded =
        QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), format);
    ASSERT_EQ(decoded.size(), QSize(picture.Width(), picture.Height())) << format;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const QRgb pixel = decoded.pixel(x, y);
        EXPECT_EQ((Rgb{qRed(pixel), qGreen(pixel), qBlue(pixel)}), picture.At(x, y))
            << format << " pixel (" << x << ", " << y << ")";
      }
    }
  }
}

// A picture too big for one piece is written piece by piece, and the file holds every row once.
TEST(PictureFileTest, PpmOfManyPiecesHoldsEveryRowOnce) {
  ImageBuffer picture(700, 300);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, {x % 256, y % 256, 7});
  }
  int pieces = 0;
  const ByteSource source = PpmSource(picture);
  while (!source().empty()) ++pieces;
  EXPECT_GT(pieces, 3);

  std::string expected = "P6\n700 300\n255\n";
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      expected += {static_cast<char>(x % 256), static_cast<char>(y % 256), '\x07'};
    }
  }
  const TempFolder folder;
  const std::string path = folder.File("big.ppm");
  ASSERT_EQ(WritePicture(picture, path, PictureFormat::kPpm), std::nullopt);
  EXPECT_TRUE(ReadWholeFile(path) == expected);
}

TEST(PictureFileTest, WritingReplacesTheFileAndLeavesNothingElse) {
  TempFolder folder;
  const std::string path = folder.File("pic.ppm");
  ASSERT_EQ(WriteOutputFile(path, "old contents"), std::nullopt);
  ASSERT_EQ(WriteOutputFile(path, std::string("new\0bytes", 9)), std::nullopt);
  EXPECT_EQ(ReadWholeFile(path), std::string("new\0bytes", 9));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"pic.ppm"});
}

TEST(PictureFileTest, FailedWritesNameThePathAndLeaveNoFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "taken.ppm");
  struct Case {
    std::string path;
    const char* why;
  };
  const std::vector<Case> cases = {
      {folder.File("missing/pic.ppm"), "No such file or directory"},
      {folder.File("taken.ppm"), "Is a directory"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> error = WriteOutputFile(c.path, "bytes");
    ASSERT_TRUE(error.has_value()) << c.why;
    EXPECT_EQ(*error, "cannot write " + c.path + ": " + c.why);
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"taken.ppm"});
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "taken.ppm"));
}

// The source's last call comes after the last write and before the commit: moving the folder
// away then makes the commit fail, which must be reported, the old file keeping its bytes.
TEST(PictureFileTest, FailedCommitIsAnErrorAndKeepsTheOldFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "sub");
  const std::string path = folder.File("sub/pic.ppm");
  ASSERT_EQ(WriteOutputFile(path, "old"), std::nullopt);
  int calls = 0;
  const ByteSource source = [&]() -> std::string_view {
    if (++calls == 1) return "new";
    std::filesystem::rename(folder.Path() / "sub", folder.Path() / "moved");
    return {};
  };
  EXPECT_EQ(WriteOutputFile(path, source), "cannot write " + path + ": No such file or directory");
  EXPECT_EQ(ReadWholeFile(folder.File("moved/pic.ppm")), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path() / "moved"), {}), 1);
}

TEST(PictureFileTest, WritingThroughALinkReplacesItsTargetAndKeepsTheLink) {
  struct Case {
    std::string target;  // as the link holds it
    std::string targetFile;
    bool targetExists;
  };
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "sub");
  const std::vector<Case> cases = {
      {"target.ppm", folder.File("target.ppm"), true},
      {folder.File("sub/absolute.ppm"), folder.File("sub/absolute.ppm"), true},
      {"sub/new.ppm", folder.File("sub/new.ppm"), false},
  };
  for (const Case& c : cases) {
    if (c.targetExists) {
      ASSERT_EQ(WriteOutputFile(c.targetFile, "old"), std::nullopt);
    }
    const std::filesystem::path link = folder.Path() / "link.ppm";
    std::filesystem::remove(link);
    std::filesystem::create_symlink(c.target, link);
    ASSERT_EQ(WriteOutputFile(link.string(), "new"), std::nullopt) << c.target;
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << c.target;
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), c.target);
    EXPECT_EQ(ReadWholeFile(c.targetFile), "new") << c.target;
  }
  std::vector<std::string> sub;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "sub")) {
    sub.push_back(entry.path().filename().string());
  }
  std::sort(sub.begin(), sub.end());
  EXPECT_EQ(sub, (std::vector<std::string>{"absolute.ppm", "new.ppm"}));
  std::vector<std::string> top = folder.Entries();
  std::sort(top.begin(), top.end());
  EXPECT_EQ(top, (std::vector<std::string>{"link.ppm", "sub", "target.ppm"}));
}

TEST(PictureFileTest, UnwritableFolderIsAnError) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  TempFolder folder;
  std::filesystem::permissions(
      folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_TRUE(WriteOutputFile(folder.File("pic.ppm"), "bytes").has_value());
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(PictureFileTest, WrittenFileIsReadableByOthersAsUmaskAllows) {
  TempFolder folder;
  const mode_t previous = umask(022);
  const std::string path = folder.File("pic.png");
  const std::optional<std::string> error = WritePicture(SmallPicture(), path, PictureFormat::kPng);
  umask(previous);
  ASSERT_EQ(error, std::nullopt);
  const auto perms = std::filesystem::status(path).permissions();
  EXPECT_EQ(perms, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                       std::filesystem::perms::group_read | std::filesystem::perms::others_read);
}

}  // namespace
