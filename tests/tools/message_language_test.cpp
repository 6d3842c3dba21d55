// The core's messages on the renderer's stderr: English by default, the core's Russian with
// --language ru, one failure of each family. A message left in Russian by default (a template
// the English translation lacks, a message printed without going through the language) or
// translated under --language ru fails its row.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "run_renderer.h"
#include "temp_folder.h"

namespace {

struct Family {
  const char* name;
  std::vector<std::string> args;  // "@" stands for the row's folder
  std::string english;            // a part of the English message
  std::string russian;            // the same part as the core writes it
};

const std::vector<Family>& Families() {
  static const std::vector<Family> kFamilies = {
      {"formula",
       {"--function", "formula", "--formula", "ci*x", "--readout", "1,1"},
       "The formula does not read: at position 4, the unknown name “x”.",
       "Формула не прочитана: в позиции 4 неизвестное имя «x»."},
      {"elevation model",
       {"--surface", "@/empty.asc", "-o", "@/a.png"},
       "Could not read the elevation model “empty.asc”: the file is empty.",
       "Не удалось прочитать модель рельефа «empty.asc»: файл пуст."},
      {"photo folder",
       {"--images", "@/nowhere", "--recover", "ps"},
       "/nowhere”: the folder is not found.",
       "/nowhere»: папка не найдена."},
      {"recovery sources",
       {"--surface", "cone", "--slant", "30", "--light", "30,0", "--light", "20,90", "--recover",
        "ps"},
       "Sources 1 and 2 shine from the same direction: give them different slants or tilts.",
       "Источники 1 и 2 светят с одного направления: задайте им разные наклоны или азимуты."},
      {"setup file",
       {"--setup", "@/bad.gsetup", "-o", "@/a.png"},
       "bad.gsetup” was not opened: key “sphere.slant”: a number is expected, but \"abc\" is "
       "written.",
       "bad.gsetup» не открыта: ключ «sphere.slant»: ожидается число, а записано \"abc\"."},
  };
  return kFamilies;
}

std::vector<std::string> InFolder(std::vector<std::string> args, const std::string& folder) {
  for (std::string& arg : args) {
    if (arg.starts_with("@")) arg = folder + arg.substr(1);
  }
  return args;
}

bool HasCyrillic(const std::string& text) {
  // Cyrillic letters are two bytes in UTF-8, led by 0xD0 to 0xD3.
  for (const char byte : text) {
    const auto lead = static_cast<unsigned char>(byte);
    if (lead >= 0xD0 && lead <= 0xD3) return true;
  }
  return false;
}

TEST(MessageLanguage, EachFamilyInEnglishByDefaultAndInRussianWithLanguageRu) {
  for (const Family& family : Families()) {
    SCOPED_TRACE(family.name);
    TempFolder folder;
    std::ofstream(folder.File("empty.asc")).flush();
    std::ofstream(folder.File("bad.gsetup"))
        << R"({"program": "gauss-sphere", "version": 1, "sphere": {"slant": "abc"}})";
    std::vector<std::string> args = InFolder(family.args, folder.Path().string());

    const RunResult english = RunRenderer(args, folder.Path());
    EXPECT_EQ(english.exitStatus, 2);
    EXPECT_NE(english.err.find(family.english), std::string::npos) << english.err;
    EXPECT_FALSE(HasCyrillic(english.err)) << english.err;

    args.insert(args.end(), {"--language", "ru"});
    const RunResult russian = RunRenderer(args, folder.Path());
    EXPECT_EQ(russian.exitStatus, 2);
    EXPECT_NE(russian.err.find(family.russian), std::string::npos) << russian.err;
    EXPECT_EQ(russian.err.find(family.english), std::string::npos) << russian.err;
  }
}

}  // namespace
