#pragma once
// What the renderer's usage text (--help) says of the additional laws, written from their
// descriptions (photometry/laws): --function's list of names and --param's parameters of each
// law with their ranges and start values. The sentences around the names are usage texts of their
// own, translated as the other descriptions are (usage_language.h); a law's unit, note and prose
// are its description's, translated the same way.
//
//   law descriptions -> FunctionUsage | ParameterUsage (English, or Russian by the translation)

#include <QString>
#include <string>
#include <vector>

#include "usage_language.h"

// --function: "matte, glossy, rocky or mirror (default matte), or an additional law: minnaert,
// ..., cook-torrance or formula (a typed formula, --formula)."
QString FunctionUsage(UsageLanguage language);

// --param: "A parameter of an additional law; repeat for each. minnaert: k (0 to 2, default
// 0.7); ...; formula: up to four names of its own, any finite value."
QString ParameterUsage(UsageLanguage language);

// "minnaert, lunar-lambert, ..., formula": the laws that take --param, for the message that
// refuses it with a function that takes none.
std::string LawsTakingParameters();

// Every usage text the two descriptions are made of, for the check that Russian has each.
std::vector<const char*> LawUsageSourceTexts();
