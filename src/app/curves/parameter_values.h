#pragma once
// Several values of one parameter of the chosen law, to draw its curve at each on one plot: the
// values as typed ("0.5; 1; 1.5", ';' or blanks between, each in the user's number format and
// within the parameter's range, 1 to kMaxParameterValues of them), each curve's label «k = 0.5»,
// and the curves' table.
//
//   text + LawParameterSpec -> ReadParameterValues -> values -> a state each -> the curves

#include <QString>
#include <string>
#include <variant>
#include <vector>

#include "curves/phase_curve.h"
#include "photometry/laws/law_description.h"

inline constexpr size_t kMaxParameterValues = 6;

// The values, or the reason they are refused; an empty text gives none (one curve, the law's).
std::variant<std::vector<double>, QString> ReadParameterValues(const QString& text,
                                                               const LawParameterSpec& spec);

// «k = 0.5»: the parameter's name and the value in the user's number format.
QString ParameterLabel(const LawParameterSpec& spec, double value);

// "g" and a column for each curve headed by its label, then a row for each g; every curve on the
// same g as the first.
std::string ParameterCurvesCsv(const std::vector<PhaseCurve>& curves,
                               const std::vector<QString>& labels);
