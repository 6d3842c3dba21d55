#pragma once
// The language of the window's texts: Russian, the texts as written, or English from the
// translation compiled into the resources (:/i18n/gauss-sphere_en.qm). The choice is kept with
// QSettings for the next start; whatever the locale, the first start is Russian. Numbers keep
// following the locale in either language.

#include <QString>
#include <optional>

enum class Language { kRussian, kEnglish };

// "ru" or "en"; nothing for any other word.
std::optional<Language> LanguageNamed(const QString& name);
QString LanguageName(Language language);

// Installs the translation of `language` (removing any other), Qt's own texts with it; every
// widget then receives QEvent::LanguageChange. False when the translation does not load, the
// texts then Russian.
bool UseLanguage(Language language);
Language CurrentLanguage();

// The language chosen last time, Russian when none was or the setting does not read.
Language RememberedLanguage();
void RememberLanguage(Language language);
