// A law added as one description reaches the renderer with nothing else changed: its name and
// parameters are in --help (both languages), --function and --param take it, a setup naming it
// is read, and the pass paints it.

#include "added_law.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include "law_usage.h"
#include "render_options.h"
#include "run_renderer.h"
#include "setup/setup_file.h"
#include "temp_folder.h"

namespace {

// The usage with its line breaks and indents undone, as one line of words.
std::string UsageWords(UsageLanguage language) {
  return QString::fromStdString(RenderUsage(language))
      .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "))
      .toStdString();
}

TEST(AddedLawTest, HelpListsTheLawAndItsParametersInEitherLanguage) {
  RegisterAddedLaw();
  const struct {
    UsageLanguage language;
    std::vector<std::string> parts;
  } kRows[] = {
      {UsageLanguage::kEnglish,
       {"cook-torrance, added-law or formula (a typed formula, --formula).",
        "added-law: a (0 to 1, default 0.25), tilt (degrees, -10 to 80, default 30); formula:"}},
      {UsageLanguage::kRussian,
       {"cook-torrance, added-law или formula (своя формула, --formula).",
        "added-law: a (от 0 до 1, по умолчанию 0.25), tilt (градусы, от -10 до 80, по умолчанию "
        "30); formula:"}},
  };
  for (const auto& row : kRows) {
    const std::string usage = UsageWords(row.language);
    for (const std::string& part : row.parts) {
      EXPECT_NE(usage.find(part), std::string::npos) << part;
    }
  }
  EXPECT_EQ(LawsTakingParameters(),
            "minnaert, lunar-lambert, oren-nayar, hapke, hapke-rough, blinn-phong, cook-torrance, "
            "added-law, formula");
}

// The readout's phi is the law's a: the value --param or the setup gave, or its start value.
TEST(AddedLawTest, FunctionParamAndSetupChooseTheLawAndThePassPaintsIt) {
  RegisterAddedLaw();
  TempFolder folder;
  ::Setup setup;
  setup.sphere.reflectanceKind = kAddedLawKind;
  setup.law.parameters = {0.75, 12.0};
  const std::string file = folder.File("added.gsetup");
  {
    QFile out(QString::fromStdString(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(WriteSetup(setup));
  }
  const std::string centre = "196,168";
  const struct {
    std::vector<std::string> args;
    std::string phi;
  } kRows[] = {
      {{"--function", "added-law"}, "phi=0.250"},
      {{"--function", "added-law", "--param", "a=0.5", "--param", "tilt=-10"}, "phi=0.500"},
      {{"--setup", file}, "phi=0.750"},
  };
  for (const auto& row : kRows) {
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"--readout", centre});
    const RunResult run = RenderInProcess(args);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find(row.phi), std::string::npos) << row.args.front() << ": " << run.out;
  }
  // Its range is the description's.
  const RunResult outside =
      RenderInProcess({"--function", "added-law", "--param", "tilt=81", "--readout", centre});
  EXPECT_EQ(outside.exitStatus, 2);
  EXPECT_NE(outside.err.find("tilt lies from -10 to 80"), std::string::npos) << outside.err;
}

}  // namespace
