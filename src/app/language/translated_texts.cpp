#include "app/language/translated_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
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

QLabel* TranslatedLabel(QWidget& parent, const char* context, const char* source) {
  auto* label = new QLabel(&parent);
  TranslatedTexts::Of(parent).Keep(label, &QLabel::setText, context, source);
  return label;
}

void KeepItemTexts(QComboBox& box, const char* context,
                   std::initializer_list<const char*> sources) {
  TranslatedTexts::Of(box).Keep(
      [guarded = QPointer<QComboBox>(&box), context, texts = std::vector<const char*>(sources)] {
        if (guarded.isNull()) return;
        for (size_t k = 0; k < texts.size(); ++k) {
          guarded->setItemText(static_cast<int>(k), QCoreApplication::translate(context, texts[k]));
        }
      });
}
