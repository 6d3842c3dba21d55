// The texts of the renderer's figures and data files follow --language: English by default, with
// no Cyrillic letter in a plot, a compared row or a CSV header; the Russian titles with
// --language ru. The rows alternate languages in one process, so a translation left installed
// (or never installed) for the next run fails a row.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "run_renderer.h"
#include "temp_folder.h"

namespace {

bool HasCyrillic(const std::string& bytes) {
  const QString text = QString::fromUtf8(bytes);
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; });
}

struct Figure {
  const char* name;
  std::vector<std::string> args;
  const char* file;
  std::string russian;  // a text the Russian figure holds; empty: the same in both languages
};

TEST(FigureLanguage, EnglishByDefaultRussianWithLanguageRu) {
  const std::vector<Figure> figures = {
      {"phase curve", {"--phase-curve", "--phase-step", "5"}, "c.svg", "Фазовая кривая"},
      {"profile", {"--profile", "20,30:230,200"}, "p.svg", "расстояние, пикселей"},
      {"equator", {"--profile", "equator", "--slant", "40"}, "e.svg", "к источнику"},
      {"compared curves",
       {"--phase-curve", "--phase-step", "10", "--compare", "matte,minnaert:k=0.7"},
       "cc.svg",
       "Миннарт"},
      {"compared table",
       {"--phase-curve", "--phase-step", "10", "--compare", "matte,minnaert:k=0.7"},
       "cc.csv",
       ""},
      {"compared row", {"--compare", "glossy,lommel-seeliger"}, "row.svg", "Глянцевая"},
      {"legend", {"--legend", "--grey", "--exposure", "2"}, "legend.svg", "экспозиция 2"},
      {"map legend", {"--legend", "--gradient-space", "--contour-lines"}, "map.svg", "Уровни"},
  };
  for (const bool russian : {false, true, false}) {
    for (const Figure& figure : figures) {
      TempFolder folder;
      std::vector<std::string> args = figure.args;
      args.insert(args.end(), {"-o", folder.File(figure.file)});
      if (russian) args.insert(args.end(), {"--language", "ru"});
      const RunResult run = RenderInProcess(args);
      ASSERT_EQ(run.exitStatus, 0) << figure.name << ": " << run.err;
      const std::string bytes = ReadWholeFile(folder.File(figure.file));
      if (!russian || figure.russian.empty()) {
        EXPECT_FALSE(HasCyrillic(bytes)) << figure.name << (russian ? " (ru)" : " (en)");
      } else {
        EXPECT_NE(bytes.find(figure.russian), std::string::npos) << figure.name << " (ru)";
      }
    }
  }
}

}  // namespace
