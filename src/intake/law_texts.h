#pragma once
// The Russian texts of the reflectance laws: their names for a function menu, the captions of
// their parameters for a parameter window, and the messages about a custom formula that does not
// read. Each additional law's name and captions are in its description (photometry/laws).

#include <cstdint>
#include <string>

#include "model/message.h"
#include "photometry/custom_formula.h"

// «Миннарт», «Ломмель — Зелигер», ..., «Своя формула»; empty for a kind that is not an
// additional law.
std::string LawDisplayName(int32_t reflectanceKind);

// The name of any function: «Матовая», «Глянцевая», «Каменистая», «Зеркальная» for the four
// described ones (the option buttons' captions), else LawDisplayName.
std::string FunctionDisplayName(int32_t reflectanceKind);

// The caption of parameter `index` of the law, with its symbol: «Показатель k», «Шероховатость
// σ, °», ...; empty when the law has no such parameter (the custom formula's parameters are
// captioned by their own names).
std::string LawParameterCaption(int32_t reflectanceKind, int index);

// Why a formula or one of its parameter names was refused, with the position (counted in
// characters from 1) and the name the formula did not know: «Формула не прочитана: в позиции 9
// неизвестное имя «x». …»; as a message, and as its Russian text.
Message FormulaErrorSaid(const FormulaError& error);
std::string FormulaErrorMessage(const FormulaError& error);
