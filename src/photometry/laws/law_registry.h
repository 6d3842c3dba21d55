#pragma once
// Every additional law's description, in menu order: the eight laws of laws/*.cpp (kind 5
// first), then the custom formula (laws/formula.cpp). The law catalogue, the starter formulas,
// the laws' texts, the renderer's --help, the «Функция» menu and the help's contents read them
// from here.

#include <span>

#include "photometry/laws/law_description.h"

std::span<const LawDescription> RegisteredLaws();

// Adds a law after the listed laws, before the custom formula (a test's own law). Spans and
// pointers taken from RegisteredLaws() before the call are no longer valid.
void RegisterLaw(const LawDescription& law);

// The descriptions, one a file.
const LawDescription& MinnaertLaw();
const LawDescription& LommelSeeligerLaw();
const LawDescription& LunarLambertLaw();
const LawDescription& OrenNayarLaw();
const LawDescription& HapkeLaw();
const LawDescription& HapkeRoughLaw();
const LawDescription& BlinnPhongLaw();
const LawDescription& CookTorranceLaw();
const LawDescription& FormulaLaw();
