#pragma once
// Numbers in the text boxes, in the user's number format both ways: the core reads them with the
// decimal and group separators of QLocale() (the default locale), and start-up writes them with
// it, a 32-bit value with at most 7 significant digits, a 64-bit value with at most 15.

#include <QLocale>
#include <QString>

#include "intake/number_text.h"

// The default locale, writing no group separators and reading none.
QLocale UserLocale();
NumberFormat UserNumberFormat();

QString FloatText(float value);
QString DoubleText(double value);
// The fewest digits that read back to the same value (a setup's numbers shown in the boxes).
QString ShortestText(double value);
QString ShortestText(float value);

// A number written in the C format ("0.005"), as the user's format writes its 64-bit value.
QString UserText(const char* cText);
