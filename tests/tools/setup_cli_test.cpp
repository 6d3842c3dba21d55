// The renderer's --write-setup and --setup: a setup written from options paints what those
// options paint, options given beside --setup override it and nothing else, a setup read and
// written again is the same file, and a setup that does not read is refused before anything is
// written, a FIFO at once.

#include <gtest/gtest.h>

#include <QFile>
#include <chrono>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "random_setup.h"
#include "run_renderer.h"
#include "setup/setup_file.h"
#include "temp_folder.h"

namespace {

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(SetupCliTest, WrittenSetupPaintsAsItsOptions) {
  TempFolder folder;
  const std::string setup = folder.File("lecture.gsetup");
  struct Row {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> picture;  // what the setup does not hold: what is painted
  };
  const std::vector<Row> rows = {
      {"sphere",
       {"--rot-x",
        "12.5",
        "--rot-z",
        "-40",
        "--slant",
        "61",
        "--function",
        "minnaert",
        "--param",
        "k=1.3",
        "--levels",
        "0.95,0.8,0.7,0.61,0.5,0.4,0.25",
        "--smooth",
        "--grey",
        "--exposure",
        "0.7",
        "--background",
        "grey",
        "--contour-lines",
        "--line-width",
        "3"},
       {}},
      {"formula on the map",
       {"--slant", "35", "--function", "formula", "--formula", "ci^k * ce^(k-1)", "--param",
        "k=0.6", "--light", "40,120", "--light", "50,250", "--lit-by-all", "--gradient-space"},
       {"--gradient-space"}},
      {"automatic exposure", {"--slant", "50", "--function", "minnaert", "--exposure", "auto"}, {}},
      {"automatic exposure on the map",
       {"--slant", "50", "--exposure", "auto", "--gradient-space"},
       {"--gradient-space"}},
  };
  for (const Row& row : rows) {
    const std::vector<std::string> written = With(row.options, {"--write-setup", setup});
    ASSERT_EQ(RunRenderer(written, folder.Path()).exitStatus, 0) << row.name;
    const std::string direct = folder.File("direct.png");
    const std::string fromSetup = folder.File("setup.png");
    ASSERT_EQ(
        RunRenderer(With(row.options, With(row.picture, {"-o", direct})), folder.Path()).exitStatus,
        0);
    ASSERT_EQ(
        RunRenderer(With({"--setup", setup}, With(row.picture, {"-o", fromSetup})), folder.Path())
            .exitStatus,
        0);
    EXPECT_EQ(ReadWholeFile(fromSetup), ReadWholeFile(direct)) << row.name;
    // An option beside the setup overrides its value.
    ASSERT_EQ(RunRenderer(With(row.options, With(row.picture, {"--slant", "5", "-o", direct})),
                          folder.Path())
                  .exitStatus,
              0);
    ASSERT_EQ(
        RunRenderer(With({"--setup", setup, "--slant", "5"}, With(row.picture, {"-o", fromSetup})),
                    folder.Path())
            .exitStatus,
        0);
    EXPECT_EQ(ReadWholeFile(fromSetup), ReadWholeFile(direct)) << row.name << " with --slant 5";
  }
}

TEST(SetupCliTest, RefusedSetupWritesNothing) {
  TempFolder folder;
  const std::string setup = folder.File("bad.gsetup");
  std::ofstream(setup)
      << "{\"program\": \"gauss-sphere\", \"version\": 1, \"sphere\": {\"slant\": \"abc\"}}";
  const std::string picture = folder.File("picture.png");
  const RunResult run = RunRenderer({"--setup", setup, "-o", picture}, folder.Path());
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find(setup), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("sphere.slant"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(picture));
  // A setup that cannot be written leaves no file and is an error.
  const RunResult unwritten =
      RunRenderer({"--write-setup", folder.File("missing/out.gsetup")}, folder.Path());
  EXPECT_EQ(unwritten.exitStatus, 2);
  EXPECT_NE(unwritten.err.find("missing/out.gsetup"), std::string::npos) << unwritten.err;
}

::Setup SetupIn(const std::string& path) {
  const SetupOutcome outcome = ReadSetupFile(QString::fromStdString(path));
  if (const auto* refusal = std::get_if<QString>(&outcome)) {
    ADD_FAILURE() << refusal->toStdString();
    return {};
  }
  return std::get<SetupReading>(outcome).setup;
}

void WriteFile(const std::string& path, const QByteArray& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

// Setups the program wrote, every section used: one of the earlier format, and random ones with
// the surface's files, automatic exposure, a held formula, open windows and a profile.
std::vector<QByteArray> WrittenSetups(const TempFolder& folder) {
  QFile earlier(QStringLiteral(SETUP_TEST_DATA "/lecture_today.gsetup"));
  EXPECT_TRUE(earlier.open(QIODevice::ReadOnly));
  std::vector<QByteArray> setups{earlier.readAll()};
  const std::string albedo = folder.File("albedo.png");
  const std::string elevation = folder.File("dem.tif");
  WriteFile(albedo, "x");
  WriteFile(elevation, "x");
  const std::string observations = folder.File("points.csv");
  WriteFile(observations, "g,brightness\n1,0.5\n");
  RandomSetup random(7);
  for (int k = 0; k < 6; ++k) {
    setups.push_back(WriteSetup(random.Full(albedo, elevation, observations)));
  }
  return setups;
}

TEST(SetupCliTest, SetupReadAndWrittenAgainIsTheSameFile) {
  TempFolder folder;
  const std::string read = folder.File("read.gsetup");
  const std::string written = folder.File("written.gsetup");
  int k = 0;
  for (const QByteArray& setup : WrittenSetups(folder)) {
    SCOPED_TRACE(k++);
    WriteFile(read, setup);
    const RunResult run = RunRenderer({"--setup", read, "--write-setup", written}, folder.Path());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(written), setup.toStdString());
    // Written over itself: the lecture's file is unchanged.
    ASSERT_EQ(RunRenderer({"--setup", read, "--write-setup", read}, folder.Path()).exitStatus, 0);
    EXPECT_EQ(ReadWholeFile(read), setup.toStdString());
  }
}

// A setup holds the sphere's outline and sun and the bands as lines beside the map and the
// surface: painting the map or a surface from it leaves out what they cannot draw (as the window
// does) instead of refusing the setup, and a setup written from there keeps those switches.
TEST(SetupCliTest, SwitchesAnotherSceneCannotDrawAreLeftOut) {
  TempFolder folder;
  const std::string setup = folder.File("figure.gsetup");
  ASSERT_EQ(RunRenderer({"--outline", "--source-mark", "--contour-lines", "--slant", "30",
                         "--write-setup", setup},
                        folder.Path())
                .exitStatus,
            0);
  for (const std::vector<std::string>& scene :
       {std::vector<std::string>{"--gradient-space"},
        {"--surface", "hills", "--surface-size", "24x24"}}) {
    const RunResult run =
        RunRenderer(With({"--setup", setup, "-o", folder.File("p.png")}, scene), folder.Path());
    EXPECT_EQ(run.exitStatus, 0) << scene.front() << ": " << run.err;
    const std::string again = folder.File("again.gsetup");
    ASSERT_EQ(RunRenderer(With({"--setup", setup, "--write-setup", again}, scene), folder.Path())
                  .exitStatus,
              0);
    const std::string written = ReadWholeFile(again);
    for (const char* key : {"\"outline\": true", "\"sourceMark\": true", "\"contourLines\": true"})
      EXPECT_NE(written.find(key), std::string::npos) << scene.front() << ": " << key;
  }
  // Asked for on the command line, they are refused as before.
  EXPECT_EQ(
      RunRenderer({"--setup", setup, "--gradient-space", "--outline", "-o", folder.File("p.png")},
                  folder.Path())
          .exitStatus,
      2);
}

// An option beside --setup changes what it names and nothing else.
TEST(SetupCliTest, OptionsOverrideOnlyWhatTheyName) {
  TempFolder folder;
  const std::string read = folder.File("read.gsetup");
  const std::string written = folder.File("written.gsetup");
  WriteFile(read, WrittenSetups(folder).at(1));
  ::Setup original = SetupIn(read);
  // The sphere's marks, which the map refuses beside --gradient-space.
  original.picture.outline = original.picture.sourceMark = false;
  WriteFile(read, WriteSetup(original));
  struct Row {
    const char* name;
    std::vector<std::string> options;
    void (*change)(::Setup&);
  };
  const std::vector<Row> rows = {
      {"slant", {"--slant", "5"}, [](::Setup& s) { s.sphere.slant = 5; }},
      {"exposure number",
       {"--exposure", "0.5"},
       [](::Setup& s) {
         s.picture.exposure = 0.5;
         s.picture.autoExposure = false;
       }},
      {"exposure auto", {"--exposure", "auto"}, [](::Setup& s) { s.picture.autoExposure = true; }},
      // The first source is the one given; the others keep their aims, unused.
      {"light",
       {"--light", "20,30", "--gradient-space"},
       [](::Setup& s) {
         for (SourceSetup& source : s.map.sources) source.used = false;
         s.map.sources[0] = {true, 20, 30};
         s.windows.map = true;
       }},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = {"--setup", read, "--write-setup", written};
    args.insert(args.end(), row.options.begin(), row.options.end());
    const RunResult run = RunRenderer(args, folder.Path());
    ASSERT_EQ(run.exitStatus, 0) << row.name << ": " << run.err;
    ::Setup expected = original;
    row.change(expected);
    EXPECT_TRUE(SetupIn(written) == expected) << row.name << ":\n" << ReadWholeFile(written);
  }
}

// A setup of a newer version: its unknown keys named in one warning, the rest painted.
TEST(SetupCliTest, UnknownKeysAreNamedInAWarning) {
  TempFolder folder;
  const std::string setup = folder.File("new.gsetup");
  QByteArray text = WriteSetup(::Setup{});
  text.replace("\"program\"", "\"animation\": {\"frames\": 3}, \"program\"");
  text.replace("\"slant\": 0", "\"slant\": 20, \"glow\": 2");
  WriteFile(setup, text);
  const RunResult run = RunRenderer({"--setup", setup, "-o", folder.File("a.png")}, folder.Path());
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.err.find("warning"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("animation"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("sphere.glow"), std::string::npos) << run.err;
  ASSERT_EQ(RunRenderer({"--slant", "20", "-o", folder.File("b.png")}, folder.Path()).exitStatus,
            0);
  EXPECT_EQ(ReadWholeFile(folder.File("a.png")), ReadWholeFile(folder.File("b.png")));
}

// A FIFO with no writer is refused at once (about 0.1 s, the run's own start-up). Should the
// renderer wait in open() all the same, the test opens the writing end after five seconds so as
// to end; the run then reads an empty text and the message says so instead. The bound leaves
// room for a loaded machine's start-up; the reader's own test holds the open() to a second.
TEST(SetupCliTest, FifoSetupIsRefusedAtOnce) {
  TempFolder folder;
  const std::string fifo = folder.File("f.gsetup");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::atomic<bool> done = false;
  std::thread unblock([&] {
    for (int k = 0; k < 100 && !done; ++k)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (done) return;
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
  });
  const auto started = std::chrono::steady_clock::now();
  const RunResult run = RunRenderer({"--setup", fifo, "-o", folder.File("a.png")}, folder.Path());
  const auto took = std::chrono::steady_clock::now() - started;
  done = true;
  unblock.join();
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find(fifo), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
}

}  // namespace
