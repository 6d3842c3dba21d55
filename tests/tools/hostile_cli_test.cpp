// The renderer given what a hostile user can give: a label whose data is a FIFO and a FIFO for
// the albedo (a message within a second, never a wait), frame names that cannot be written or
// were cut, a sweep failing part-way over old frames, a recovery too large for memory, two
// outputs naming one file. Each is exit status 2 with its message, and old files stay as they were.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "deadline_run.h"
#include "headless_gui.h"
#include "pds_label.h"
#include "render_tool.h"
#include "temp_folder.h"

namespace {

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Fifo(const std::string& path) {
  EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
  return path;
}

// Old frames 0 to 2 of a sweep, and frame 3's name taken by a folder, which no frame can replace.
void OldFramesAndAFolder(const TempFolder& f) {
  for (const char* name : {"f_000.png", "f_001.png", "f_002.png"}) Write(f.File(name), "old");
  std::filesystem::create_directory(f.File("f_003.png"));
}

struct Row {
  const char* trap;
  std::function<std::vector<std::string>(const TempFolder&)> arrange;  // the arguments
  std::vector<std::string> fifos;                                      // names in the folder
  int status;
  std::string wanted;  // in stderr
  std::function<void(const TempFolder&)> after = [](const TempFolder&) {};
};

TEST(HostileCli, EachTrapIsRefusedAndChangesNothing) {
  EnsureHeadlessGui();  // on this thread: a FIFO row runs the renderer on another
  const std::string lights[] = {"--slant", "45", "--light", "45,120", "--light", "45,240"};
  const auto recover = [&lights](std::vector<std::string> rest) {
    std::vector<std::string> args(std::begin(lights), std::end(lights));
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
  };
  const std::vector<Row> rows = {
      {"a PDS label whose data is a FIFO",
       [](const TempFolder& f) {
         Fifo(f.File("DATA.IMG"));
         Write(f.File("x.lbl"), kPdsLabel);
         return std::vector<std::string>{"--surface", f.File("x.lbl"), "-o", f.File("o.png")};
       },
       {"DATA.IMG"},
       2,
       "its data file “DATA.IMG” is not a regular file"},
      {"an albedo that is a FIFO",
       [](const TempFolder& f) {
         return std::vector<std::string>{"--surface",           "cone", "--albedo",
                                         Fifo(f.File("a.png")), "-o",   f.File("o.png")};
       },
       {"a.png"},
       2,
       "is not a regular file"},
      {"a frame number wider than a buffer",
       [](const TempFolder& f) {
         return std::vector<std::string>{"--sweep", "slant=0:90:5", "-o", f.File("f_%40d.png")};
       },
       {},
       0,
       "",
       [](const TempFolder& f) {
         EXPECT_EQ(f.Entries().size(), 5u);
         EXPECT_TRUE(std::filesystem::exists(f.File("f_" + std::string(39, ' ') + "4.png")));
       }},
      {"a frame name longer than any file name",
       [](const TempFolder& f) {
         return std::vector<std::string>{"--sweep", "slant=0:90:3", "-o", f.File("f_%300d.png")};
       },
       {},
       2,
       "is longer than 255 bytes",
       [](const TempFolder& f) { EXPECT_TRUE(f.Entries().empty()); }},
      {"frames that land on one file",
       [](const TempFolder& f) {
         for (const char* folder : {"a0", "a1", "a2"})
           std::filesystem::create_directory(f.File(folder));
         return std::vector<std::string>{"--sweep", "slant=0:90:3", "-o", f.File("a%d/../f.png")};
       },
       {},
       2,
       "frames 0 and 1 would both be written to",
       [](const TempFolder& f) { EXPECT_EQ(f.Entries().size(), 3u); }},
      {"a sweep failing at frame 3 over old frames",
       [](const TempFolder& f) {
         OldFramesAndAFolder(f);
         return std::vector<std::string>{"--sweep", "slant=0:90:5", "-o", f.File("f_%03d.png")};
       },
       {},
       2,
       "f_003.png",
       [](const TempFolder& f) {
         for (const char* name : {"f_000.png", "f_001.png", "f_002.png"}) {
           EXPECT_EQ(Read(f.File(name)), "old") << name;
         }
         EXPECT_EQ(f.Entries().size(), 4u);  // nothing staged is left behind
       }},
      {"a Poisson solve on the mask too large for memory",
       [&recover](const TempFolder&) {
         return recover({"--surface", "hills", "--surface-size", "2048x2048", "--recover", "ps",
                         "--integrate", "poisson"});
       },
       {},
       2,
       "“Poisson on the mask” on a 2048 × 2048 grid"},
      {"two outputs naming one file",
       [&recover](const TempFolder& f) {
         return recover({"--surface", "hills", "--surface-size", "8x8", "--recover", "ps",
                         "--normals-out", f.File("n.png"), "--albedo-out",
                         (f.Path() / "." / "n.png").string()});
       },
       {},
       2,
       "name the same file",
       [](const TempFolder& f) { EXPECT_TRUE(f.Entries().empty()); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.trap);
    TempFolder folder;
    const std::vector<std::string> args = row.arrange(folder);
    std::vector<std::string> fifos;
    for (const std::string& name : row.fifos) fifos.push_back(folder.File(name));
    std::ostringstream out, err;
    int status = -1;
    const auto run = [&] { status = RunRenderTool({args.begin(), args.end()}, out, err); };
    if (fifos.empty()) {
      run();
    } else {
      EXPECT_TRUE(FinishesWithin(std::chrono::seconds(1), fifos, run)) << row.trap;
    }
    EXPECT_EQ(status, row.status) << row.trap << ": " << err.str();
    EXPECT_NE(err.str().find(row.wanted), std::string::npos) << row.trap << ": " << err.str();
    // The FIFOs stay what they were; everything else the row checks itself.
    for (const std::string& name : row.fifos) std::filesystem::remove(folder.File(name));
    row.after(folder);
  }
}

}  // namespace
