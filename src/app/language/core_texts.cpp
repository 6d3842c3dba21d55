#include "app/language/core_texts.h"

#include <QCoreApplication>
#include <array>

#include "intake/law_texts.h"

namespace {

constexpr const char* kContext = "CoreTexts";

// The described functions' names of intake/law_texts.cpp, word for word, marked for lupdate; each
// additional law marks its own texts in its description (photometry/laws).
constexpr std::array kListed = {
    QT_TRANSLATE_NOOP("CoreTexts", "Матовая"),
    QT_TRANSLATE_NOOP("CoreTexts", "Глянцевая"),
    QT_TRANSLATE_NOOP("CoreTexts", "Каменистая"),
    QT_TRANSLATE_NOOP("CoreTexts", "Зеркальная"),
};

}  // namespace

QString CoreText(const std::string& text) {
  return QCoreApplication::translate(kContext, text.c_str());
}

std::span<const char* const> ListedCoreTexts() { return kListed; }

QString FunctionName(int32_t reflectanceKind) {
  return CoreText(FunctionDisplayName(reflectanceKind));
}

QString LawName(int32_t reflectanceKind) { return CoreText(LawDisplayName(reflectanceKind)); }

QString LawParameterName(int32_t reflectanceKind, int index) {
  return CoreText(LawParameterCaption(reflectanceKind, index));
}
