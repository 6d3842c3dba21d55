#pragma once
// What the «Параметры функции» window says about each additional law beside its parameters: the
// formula as rich text, the source it comes from, and the help page that explains it, from the
// law's description (photometry/laws), translated. Names and parameter captions come from
// app/language/core_texts.h, ranges from photometry/law_catalogue.h.

#include <QString>
#include <cstdint>

// The formula, Russian rich text (sub- and superscripts); empty for an unknown kind.
QString LawFormulaHtml(int32_t reflectanceKind);

// The source of the law: authors, year, where it was published.
QString LawSourceText(int32_t reflectanceKind);

// The help page of the law ("law-minnaert", ..., "law-formula"); empty for an unknown kind.
QString LawHelpPage(int32_t reflectanceKind);
