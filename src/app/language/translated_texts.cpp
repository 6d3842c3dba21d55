#include "app/language/translated_texts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

TranslatedTexts& TranslatedTexts::Of(QWidget& window) {
  if (auto* texts = window.findChild<TranslatedTexts*>(QString(), Qt::FindDirectChildrenOnly)) {
    return *texts;
  }
  return *new TranslatedTexts(window);
}

TranslatedTexts::TranslatedTexts(QWidget& window) : QObject(&window) {
  window.installEventFilter(this);
}

void TranslatedTexts::Keep(const char* context, const char* source,
                           std::function<void(const QString&)> setter) {
  Keep([context, source, setter = std::move(setter)] {
    setter(QCoreApplication::translate(context, source));
  });
}

void TranslatedTexts::Keep(std::function<void()> apply) {
  apply();
  texts_.push_back(std::move(apply));
}

void TranslatedTexts::Retranslate() const {
  for (const std::function<void()>& apply : texts_) apply();
}

bool TranslatedTexts::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::LanguageChange) Retranslate();
  return QObject::eventFilter(watched, event);
}
