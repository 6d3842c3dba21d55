#include "usage_language.h"

#include <QTranslator>

#include "input_error_text.h"

namespace {

constexpr const char* kContext = "RenderUsage";

// Loaded on first need; empty when the resource does not load.
const QTranslator& RussianUsage() {
  static const QTranslator* translator = [] {
    auto* loaded = new QTranslator();  // NOLINT(cppcoreguidelines-owning-memory): process-long
    // A translation that does not load leaves it empty: every text then stays as written.
    [[maybe_unused]] const bool found =
        loaded->load(QStringLiteral(":/i18n/gauss-sphere-render_ru.qm"));
    return loaded;
  }();
  return *translator;
}

}  // namespace

std::optional<UsageLanguage> UsageLanguageNamed(std::string_view name) {
  if (name == "en") return UsageLanguage::kEnglish;
  if (name == "ru") return UsageLanguage::kRussian;
  return std::nullopt;
}

QString UsageText(const char* source, UsageLanguage language) {
  if (language == UsageLanguage::kRussian) {
    const QString translated = RussianUsage().translate(kContext, source);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(source);
}

OptionValueError ParseUsageLanguage(std::string_view text, RenderJob& /*job*/) {
  if (UsageLanguageNamed(text)) return OptionValueError();
  return "--language: unknown language " + QuotedText(text) + ": give en or ru";
}
