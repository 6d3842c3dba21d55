#pragma once
// The language of the renderer's usage text (--help): English as written, or Russian from the
// translation compiled into the renderer's resources (:/i18n/gauss-sphere-render_ru.qm), chosen
// by --language ru|en. The options' descriptions stay in their tables as plain English; the
// translation (translations/gauss-sphere-render_ru.ts, context "RenderUsage", kept by hand and
// checked complete by the tools' tests) takes each of them as its source text. The same choice
// sets the language of the core's messages (message_language.h); the renderer's own messages
// and reports keep their words, which scripts read.

#include <QString>
#include <optional>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

enum class UsageLanguage { kEnglish, kRussian };

// "en" or "ru"; nothing for any other word.
std::optional<UsageLanguage> UsageLanguageNamed(std::string_view name);

// The usage text `source` in `language`: the source itself in English, or when the translation
// does not load or lacks it.
QString UsageText(const char* source, UsageLanguage language);

// --language's handler: accepts en or ru (HelpRequest carries the choice), refuses any other.
OptionValueError ParseUsageLanguage(std::string_view text, RenderJob& job);
