// The renderer's laws side by side: each sphere is, pixel for pixel, the picture of that law
// alone; a wrong count, law or parameter is refused with its message.

#include <gtest/gtest.h>

#include <QImage>
#include <sstream>
#include <string>
#include <vector>

#include "render_tool.h"
#include "run_renderer.h"
#include "temp_folder.h"

namespace {

TEST(CompareCli, EachSphereIsThatLawsOwnPicture) {
  TempFolder folder;
  const std::vector<std::string> view{"--slant", "50", "--rot-x", "60", "--exposure", "0.8"};
  std::vector<std::string> args = view;
  args.insert(args.end(), {"--compare", "glossy,oren-nayar:sigma=40,minnaert:k=0.4", "--s", "0.3",
                           "-o", folder.File("row.png")});
  ASSERT_EQ(RenderInProcess(args).exitStatus, 0);
  const QImage row(QString::fromStdString(folder.File("row.png")));
  ASSERT_EQ(row.width(), 3 * 393);
  const std::vector<std::vector<std::string>> alone = {
      {"--function", "glossy", "--s", "0.3"},
      {"--function", "oren-nayar", "--param", "sigma=40"},
      {"--function", "minnaert", "--param", "k=0.4"}};
  for (size_t k = 0; k < alone.size(); ++k) {
    std::vector<std::string> one = view;
    one.insert(one.end(), alone[k].begin(), alone[k].end());
    one.insert(one.end(), {"-o", folder.File("one.png")});
    ASSERT_EQ(RenderInProcess(one).exitStatus, 0);
    const QImage sphere(QString::fromStdString(folder.File("one.png")));
    EXPECT_TRUE(row.copy(static_cast<int>(k) * 393, 0, 393, 337) == sphere) << alone[k][1];
  }
}

TEST(CompareCli, BadListsAreRefused) {
  const struct {
    std::string list;
    const char* message;
  } kRows[] = {
      {"matte", "2 to 6 laws"},
      {"matte,matte,matte,matte,matte,matte,matte", "got 7"},
      {"matte,phong", "--compare \"phong\""},
      {"matte,minnaert:k=9", "minnaert:k=9"},
      {"matte,rocky:k=1", "only the additional laws take --param"},
  };
  for (const auto& row : kRows) {
    const RunResult run = RenderInProcess({"--compare", row.list, "-o", "never.png"});
    EXPECT_EQ(run.exitStatus, 2) << row.list;
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
  }
}

}  // namespace
