// A core message through the English translation compiled into the resources, and through none.

#include "messages/translated_message.h"

#include <gtest/gtest.h>

#include <QTranslator>
#include <string>
#include <vector>

namespace {

const QTranslator& English() {
  static QTranslator translator;
  static const bool kLoaded = translator.load(QStringLiteral(":/i18n/gauss-sphere_en.qm"));
  EXPECT_TRUE(kLoaded);
  return translator;
}

struct Case {
  const char* name;
  Message message;
  std::string english;
};

TEST(TranslatedMessage, FillsEachPartOnceAndTheCountInItsForm) {
  const std::vector<Case> cases = {
      // A name holding "%2" is not filled again with the second part.
      {"verbatim part holding a placeholder",
       CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1»: %2."),
                     {VerbatimPart("a%2b.png"), MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP(
                                                    "CoreMessages", "файла нет в папке набора")))}),
       "“a%2b.png”: the file is not in the set's folder."},
      // The Russian form picked for 2 is translated with the count.
      {"counted word",
       CoreMessageOf(
           GS_TRANSLATE_NOOP("CoreMessages", "%1 для %2 из filenames.txt"),
           {MessagePartOf(CountedCoreMessage(GS_TRANSLATE_N_NOOP("CoreMessages", "%n строки"), 2)),
            MessagePartOf(
                CountedCoreMessage(GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимка"), 1))}),
       "2 lines for 1 image in filenames.txt"},
      // A verbatim part equal to a template stays as typed.
      {"verbatim part equal to a template",
       CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1» — не число"),
                     {VerbatimPart("поле пусто")}),
       "“поле пусто” is not a number"},
  };
  const QTranslator none;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TranslatedMessage(c.message, English()).toStdString(), c.english);
    // No translation: the core's Russian text, byte for byte.
    EXPECT_EQ(TranslatedMessage(c.message, none).toStdString(), RussianText(c.message));
  }
}

}  // namespace
