#include "app/language/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include "app/common/qt_translation.h"
#include "app/common/remembered_settings.h"

namespace {

constexpr const char* kSettingsKey = "language";

Language current = Language::kRussian;

// The one translator of the window's texts, installed while English is chosen.
QTranslator& EnglishTexts() {
  static QTranslator* translator = new QTranslator(QCoreApplication::instance());
  return *translator;
}

}  // namespace

std::optional<Language> LanguageNamed(const QString& name) {
  if (name == QLatin1String("ru")) return Language::kRussian;
  if (name == QLatin1String("en")) return Language::kEnglish;
  return std::nullopt;
}

QString LanguageName(Language language) {
  return language == Language::kEnglish ? QStringLiteral("en") : QStringLiteral("ru");
}

bool UseLanguage(Language language) {
  UseRussianQtTexts(language == Language::kRussian);
  QTranslator& english = EnglishTexts();
  if (language == Language::kRussian) {
    QCoreApplication::removeTranslator(&english);
    current = Language::kRussian;
    return true;
  }
  if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/gauss-sphere_en.qm"))) {
    return false;
  }
  if (!QCoreApplication::installTranslator(&english)) return false;
  current = Language::kEnglish;
  return true;
}

Language CurrentLanguage() { return current; }

Language RememberedLanguage() {
  const QSettings settings = RememberedSettings();
  return LanguageNamed(settings.value(QLatin1String(kSettingsKey)).toString())
      .value_or(Language::kRussian);
}

void RememberLanguage(Language language) {
  QSettings settings = RememberedSettings();
  settings.setValue(QLatin1String(kSettingsKey), LanguageName(language));
}
