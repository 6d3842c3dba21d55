#include "usage_language.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <string>
#include <vector>

#include "render_options.h"

namespace {

std::vector<std::string_view> Split(const std::vector<std::string>& args) {
  return {args.begin(), args.end()};
}

// The placeholders .arg() fills, in order.
QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const QRegularExpressionMatch& match :
       QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text)) {
    found.append(match.captured());
  }
  return found;
}

// A description added to a table, or a word of the usage changed, without its Russian text would
// show up in English in the Russian usage.
TEST(UsageLanguageTest, RussianTranslatesEveryTextOfTheUsage) {
  for (const char* source : UsageSourceTexts()) {
    const QString english = QString::fromUtf8(source);
    const QString russian = UsageText(source, UsageLanguage::kRussian);
    EXPECT_NE(russian.toStdString(), source) << "no Russian text for: " << source;
    EXPECT_EQ(Placeholders(russian).join(u' ').toStdString(),
              Placeholders(english).join(u' ').toStdString())
        << source;
    EXPECT_EQ(UsageText(source, UsageLanguage::kEnglish).toStdString(), source);
  }
}

TEST(UsageLanguageTest, LanguageChoosesTheUsageAndAnUnknownOneIsRefused) {
  struct Case {
    std::vector<std::string> args;
    std::optional<UsageLanguage> help;  // nothing: a job or an error
    std::string error;                  // empty: no error expected
  };
  const std::vector<Case> cases = {
      {{"--help"}, UsageLanguage::kEnglish, ""},
      {{"--language", "ru", "--help"}, UsageLanguage::kRussian, ""},
      {{"-h", "--language=en"}, UsageLanguage::kEnglish, ""},
      // --help wins over a language it does not know, in English.
      {{"--language", "de", "--help"}, UsageLanguage::kEnglish, ""},
      {{"--language", "ru", "-o", "out.ppm"}, std::nullopt, ""},
      {{"--language", "RU", "-o", "out.ppm"}, std::nullopt, "\"RU\""},
      {{"--language=", "-o", "out.ppm"}, std::nullopt, "--language"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += "[" + a + "] ";
    const ParsedCommandLine parsed = ParseRenderOptions(Split(c.args));
    if (c.help) {
      ASSERT_TRUE(std::holds_alternative<HelpRequest>(parsed)) << shown;
      EXPECT_EQ(std::get<HelpRequest>(parsed).language, *c.help) << shown;
    } else if (c.error.empty()) {
      EXPECT_TRUE(std::holds_alternative<RenderJob>(parsed)) << shown;
    } else {
      ASSERT_TRUE(std::holds_alternative<OptionError>(parsed)) << shown;
      EXPECT_NE(std::get<OptionError>(parsed).message.find(c.error), std::string::npos)
          << shown << std::get<OptionError>(parsed).message;
    }
  }
}

}  // namespace
