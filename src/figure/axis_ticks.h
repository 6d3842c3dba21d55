#pragma once
// The numbered ticks of the map's axes: a step of 1, 2 or 5 times a power of ten, the smallest
// whose ticks lie at least a given distance apart (every unit at the default 50 pixels a unit),
// and the whole multiples of that step within a range, written in the user's number format.

#include <QLocale>
#include <QString>
#include <vector>

// The tick step for `pixelsPerUnit` (logical pixels) with ticks at least `minSpacing` apart.
double TickStep(double pixelsPerUnit, double minSpacing);

// The multiples of `step` from `low` to `high` (inclusive), each rounded to the step's digits so
// that they compare and print exactly ("0,3", not "0,30000000000000004").
std::vector<double> TickValues(double low, double high, double step);

// A tick's number as the locale writes it, with as many decimals as the step needs and a true
// minus sign.
QString TickText(double value, double step, const QLocale& locale);
