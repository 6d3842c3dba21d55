#pragma once
// Texts of a window kept with their Russian source texts, so that a change of language sets
// them again at once: each is set now through `setter`, translated, and again whenever the
// window receives QEvent::LanguageChange (sent to every widget when a translator is installed or
// removed). With no translator installed the source text is set unchanged.
//
// The source texts are marked for lupdate where they are written, with QT_TRANSLATE_NOOP or in
// tables of such marks, and translated with QCoreApplication::translate(context, source).

#include <QObject>
#include <QPointer>
#include <functional>
#include <initializer_list>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

class TranslatedTexts final : public QObject {
  Q_OBJECT
 public:
  // The texts of `window` (any widget: the event reaches its children too), made on first use
  // and owned by it.
  static TranslatedTexts& Of(QWidget& window);

  // Sets `setter(translation)` now and on every change of language.
  void Keep(const char* context, const char* source, std::function<void(const QString&)> setter);
  // Calls `apply` now and on every change of language: for texts made of several translations.
  void Keep(std::function<void()> apply);

  // Calls `(object->*set)(translation)` now and on every change of language, while `object`
  // lives.
  template <typename Object, typename Base>
  void Keep(Object* object, void (Base::*set)(const QString&), const char* context,
            const char* source) {
    Keep(context, source, [guarded = QPointer<Object>(object), set](const QString& text) {
      if (!guarded.isNull()) (guarded.data()->*set)(text);
    });
  }

  // Sets every text again in the language now installed.
  void Retranslate() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit TranslatedTexts(QWidget& window);

  std::vector<std::function<void()>> texts_;
};

// A label of `parent` whose text is `source` of `context`, translated, in the language in use.
QLabel* TranslatedLabel(QWidget& parent, const char* context, const char* source);
// The items of `box`, in order, captioned with `sources` of `context` in the language in use.
void KeepItemTexts(QComboBox& box, const char* context, std::initializer_list<const char*> sources);
