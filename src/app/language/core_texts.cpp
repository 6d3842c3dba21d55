#include "app/language/core_texts.h"

#include <QCoreApplication>
#include <array>

#include "intake/law_texts.h"

namespace {

constexpr const char* kContext = "CoreTexts";

// The texts of intake/law_texts.cpp, word for word, marked for lupdate.
constexpr std::array kListed = {
    QT_TRANSLATE_NOOP("CoreTexts", "Матовая"),
    QT_TRANSLATE_NOOP("CoreTexts", "Глянцевая"),
    QT_TRANSLATE_NOOP("CoreTexts", "Каменистая"),
    QT_TRANSLATE_NOOP("CoreTexts", "Зеркальная"),
    QT_TRANSLATE_NOOP("CoreTexts", "Миннарт"),
    QT_TRANSLATE_NOOP("CoreTexts", "Показатель k"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ломмель — Зелигер"),
    QT_TRANSLATE_NOOP("CoreTexts", "Лунно-ламбертова"),
    QT_TRANSLATE_NOOP("CoreTexts", "Вес L"),
    QT_TRANSLATE_NOOP("CoreTexts", "Орен — Наяр"),
    QT_TRANSLATE_NOOP("CoreTexts", "Шероховатость σ, °"),
    QT_TRANSLATE_NOOP("CoreTexts", "Хапке"),
    QT_TRANSLATE_NOOP("CoreTexts", "Альбедо однократного рассеяния w"),
    QT_TRANSLATE_NOOP("CoreTexts", "Амплитуда оппозиционного эффекта B₀"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ширина оппозиционного эффекта h"),
    QT_TRANSLATE_NOOP("CoreTexts", "Асимметрия индикатрисы ξ"),
    QT_TRANSLATE_NOOP("CoreTexts", "Блинн — Фонг"),
    QT_TRANSLATE_NOOP("CoreTexts", "Доля блика s"),
    QT_TRANSLATE_NOOP("CoreTexts", "Показатель n"),
    QT_TRANSLATE_NOOP("CoreTexts", "Кук — Торранс"),
    QT_TRANSLATE_NOOP("CoreTexts", "Наклон микрограней m"),
    QT_TRANSLATE_NOOP("CoreTexts", "Отражение по нормали F₀"),
    QT_TRANSLATE_NOOP("CoreTexts", "Своя формула"),
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
