// Where the renderer's picture goes: a regular file whole or not at all (a file-size limit leaves
// the old bytes and no temporary file), a FIFO or a device as a stream and never replaced,
// standard output for "-o -", and the format by the extension or --format.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "non_regular_files.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

const std::vector<std::string> kSmall = {"--function", "glossy", "--size", "120x90"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The format a file's bytes begin with.
std::string MagicOf(const std::string& bytes) {
  if (bytes.rfind("P6\n", 0) == 0) return "ppm";
  if (bytes.rfind("\x89PNG\r\n", 0) == 0) return "png";
  if (bytes.rfind("BM", 0) == 0) return "bmp";
  if (bytes.rfind("<?xml", 0) == 0 && bytes.find("<svg") != std::string::npos) return "svg";
  if (bytes.rfind("%PDF-", 0) == 0) return "pdf";
  return "unknown";
}

class OutputFileTest : public testing::Test {
 protected:
  // The picture of kSmall as a normal write to a regular file gives it, in `format`.
  std::string Reference(const std::string& format) {
    const std::string path = reference_.File("reference." + format);
    const RunResult run = RunRenderer(With(kSmall, {"-o", path}), logs_.Path());
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    return ReadWholeFile(path);
  }

  TempFolder output_;
  TempFolder reference_;
  TempFolder logs_;
};

// Under a file-size limit the write fails with EFBIG (SIGXFSZ is ignored): exit status 2, the
// file and the reason named, the old bytes kept, no temporary file beside them.
TEST_F(OutputFileTest, FileSizeLimitLeavesTheOldFileAndNamesTheReason) {
  const std::string old = "the old picture's bytes\n";
  for (const std::string name :
       {"sphere.ppm", "sphere.png", "sphere.bmp", "sphere.svg", "sphere.pdf"}) {
    const std::string path = output_.File(name);
    WriteFile(path, old);
    const RunResult run = RunRenderer({"-o", path}, logs_.Path(), RunSetup{.fileSizeLimit = 1024});
    EXPECT_EQ(run.exitStatus, 2) << name << ": " << run.err;
    EXPECT_EQ(run.err, "gauss-sphere-render: cannot write " + path + ": File too large\n") << name;
    EXPECT_EQ(ReadWholeFile(path), old) << name;
    EXPECT_EQ(output_.Entries(), std::vector<std::string>{name}) << name;
    std::filesystem::remove(path);
  }
}

// A FIFO, or a link to one, gets the whole picture as a normal write gives it and stays a FIFO.
TEST_F(OutputFileTest, FifoReceivesTheWholePictureAndStaysAFifo) {
  struct Case {
    std::string target;  // the name given to -o
    bool throughLink;
    std::vector<std::string> extra;
    std::string format;
  };
  const std::vector<Case> cases = {
      {"pipe.ppm", false, {}, "ppm"},
      {"link.png", true, {}, "png"},
      {"pipe", false, {"--format", "bmp"}, "bmp"},
  };
  for (const Case& c : cases) {
    const std::string fifo = output_.File(c.throughLink ? "fifo" : c.target);
    const std::string target = output_.File(c.target);
    FifoReader reader(fifo);
    ASSERT_TRUE(reader.Ready()) << c.target;
    if (c.throughLink) std::filesystem::create_symlink("fifo", target);
    const RunResult run = RunRenderer(With(With(kSmall, c.extra), {"-o", target}), logs_.Path());
    const std::string received = reader.Finish();
    EXPECT_EQ(run.exitStatus, 0) << c.target << ": " << run.err;
    EXPECT_EQ(received, Reference(c.format)) << c.target;
    EXPECT_TRUE(IsFifo(fifo)) << c.target;
    EXPECT_EQ(std::filesystem::is_symlink(target), c.throughLink) << c.target;
    std::filesystem::remove(target);
    std::filesystem::remove(fifo);
  }
}

// A reader that quits after one byte: the rest of the picture meets a broken pipe, a failed write
// like any other (SIGPIPE is ignored), not a signal that ends the run without a word.
TEST_F(OutputFileTest, FifoWhoseReaderQuitsIsAFailedWrite) {
  const std::string fifo = output_.File("pipe.ppm");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread reader([&fifo] {
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_CLOEXEC);  // waits for the writer
    char byte = 0;
    if (fd < 0) return;
    [[maybe_unused]] const ssize_t count = ::read(fd, &byte, 1);
    ::close(fd);
  });
  const RunResult run = RunRenderer({"--size", "1000x1000", "-o", fifo}, logs_.Path());
  const int unblock = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);  // had it not come
  if (unblock >= 0) ::close(unblock);
  reader.join();
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.err, "gauss-sphere-render: cannot write " + fifo + ": Broken pipe\n");
  EXPECT_TRUE(IsFifo(fifo));
}

// A device is written to, not replaced: /dev/full's ENOSPC is the reason named.
TEST_F(OutputFileTest, DeviceIsWrittenToAndNeverReplaced) {
  const std::string device = output_.File("full.ppm");
  if (!MakeFullDevice(device)) GTEST_SKIP() << "no device to write to";
  const std::string link = output_.File("link.png");
  std::filesystem::create_symlink(device, link);
  for (const std::string& target : {device, link}) {
    const RunResult run = RunRenderer({"--size", "8x8", "-o", target}, logs_.Path());
    EXPECT_EQ(run.exitStatus, 2) << target;
    EXPECT_EQ(run.err,
              "gauss-sphere-render: cannot write " + target + ": No space left on device\n");
    EXPECT_TRUE(IsCharacterDevice(device)) << target;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  std::vector<std::string> entries = output_.Entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"full.ppm", "link.png"}));
}

// "-o -" writes to standard output, a file or a pipe, byte for byte what a file would hold.
TEST_F(OutputFileTest, DashWritesThePictureToStandardOutput) {
  struct Case {
    std::vector<std::string> extra;
    std::string format;
    bool pipe;
  };
  const std::vector<Case> cases = {{{}, "ppm", false},
                                   {{}, "ppm", true},
                                   {{"--format", "png"}, "png", true},
                                   {{"--format=BMP"}, "bmp", false},
                                   {{"--format", "svg"}, "svg", true}};
  for (const Case& c : cases) {
    const RunResult run =
        RunRenderer(With(With(kSmall, c.extra), {"-o", "-"}), logs_.Path(),
                    RunSetup{.fileSizeLimit = std::nullopt, .stdoutPipe = c.pipe});
    EXPECT_EQ(run.exitStatus, 0) << c.format << ": " << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out == Reference(c.format)) << c.format << (c.pipe ? " piped" : " to a file");
  }
  EXPECT_TRUE(output_.Entries().empty());
}

// The extension chooses the format, in any letter case; any other is refused (naming those
// accepted) unless --format, which also overrides a known extension, is given.
TEST_F(OutputFileTest, FormatFollowsTheNameOrTheFormatOption) {
  struct Case {
    std::string name;
    std::vector<std::string> extra;
    std::string written;  // the format of the file, or "" when refused
  };
  const std::vector<Case> cases = {
      {"a.ppm", {}, "ppm"},
      {"a.png", {}, "png"},
      {"a.bmp", {}, "bmp"},
      {"a.PNG", {}, "png"},
      {"a.Bmp", {}, "bmp"},
      {"a.SVG", {}, "svg"},
      {"a.pdf", {}, "pdf"},
      {"a.jpg", {}, ""},
      {"a.txt", {}, ""},
      {"a", {}, ""},
      {"a.jpg", {"--format", "png"}, "png"},
      {"a", {"--format", "ppm"}, "ppm"},
      {"a.png", {"--format", "bmp"}, "bmp"},
      {"a.svg", {"--format", "png"}, "png"},
      {"a", {"--format", "PDF"}, "pdf"},
      {"a.png", {"--format", "jpg"}, ""},
  };
  for (const Case& c : cases) {
    const std::string path = output_.File(c.name);
    const RunResult run =
        RunRenderer(With(With({"--size", "8x8"}, c.extra), {"-o", path}), logs_.Path());
    std::string shown = c.name;
    for (const std::string& arg : c.extra) shown += " " + arg;
    if (c.written.empty()) {
      EXPECT_EQ(run.exitStatus, 2) << shown;
      EXPECT_NE(run.err.find(c.extra.empty() ? ".ppm, .png, .bmp, .svg or .pdf"
                                             : "ppm, png, bmp, svg or pdf"),
                std::string::npos)
          << shown << ": " << run.err;
      EXPECT_TRUE(output_.Entries().empty()) << shown;
    } else {
      EXPECT_EQ(run.exitStatus, 0) << shown << ": " << run.err;
      EXPECT_EQ(MagicOf(ReadWholeFile(path)), c.written) << shown;
      std::filesystem::remove(path);
    }
  }
}

}  // namespace
