#include "app/language/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>

#include "app/language/language.h"
#include "app/language/translated_texts.h"

namespace {

// Each language is named in itself, and the submenu in both: whoever cannot read the window's
// texts still finds the way back. Their translations are the same texts.
struct LanguageChoice {
  Language language;
  const char* objectName;
  const char* title;
};
constexpr std::array<LanguageChoice, 2> kChoices = {{
    {Language::kRussian, "Language_ru", QT_TRANSLATE_NOOP("LanguageMenu", "Русский")},
    {Language::kEnglish, "Language_en", QT_TRANSLATE_NOOP("LanguageMenu", "English")},
}};

}  // namespace

void AddLanguageMenu(QMenu& help, QWidget& window) {
  TranslatedTexts& texts = TranslatedTexts::Of(window);
  QMenu* languages = help.addMenu(QString());
  languages->setObjectName(QStringLiteral("LanguageMenu"));
  texts.Keep(languages, &QMenu::setTitle, "LanguageMenu",
             QT_TRANSLATE_NOOP("LanguageMenu", "Язык / Language"));
  auto* group = new QActionGroup(languages);
  for (const LanguageChoice& choice : kChoices) {
    QAction* item = languages->addAction(QString());
    texts.Keep(item, &QAction::setText, "LanguageMenu", choice.title);
    item->setObjectName(QLatin1String(choice.objectName));
    item->setCheckable(true);
    group->addAction(item);
    const Language language = choice.language;
    // In step with the language in use, however it was chosen (the command line, another window).
    QObject::connect(languages, &QMenu::aboutToShow, item,
                     [item, language] { item->setChecked(CurrentLanguage() == language); });
    QObject::connect(item, &QAction::triggered, item, [language] {
      if (UseLanguage(language)) RememberLanguage(language);
    });
  }
}
