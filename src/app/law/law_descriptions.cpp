#include "app/law/law_descriptions.h"

#include <QCoreApplication>

#include "photometry/law_catalogue.h"

namespace {

struct LawWindowText {
  int32_t kind;
  const char* formula;
  const char* source;
};

constexpr LawWindowText kDescriptions[] = {
    {kMinnaert,
     QT_TRANSLATE_NOOP("LawDescriptions", "ф = μ<sub>0</sub><sup>k</sup> · μ<sup>k−1</sup>"),
     "M. Minnaert. The reciprocity principle in lunar photometry. <i>Astrophysical Journal</i>, "
     "93, 1941."},
    {kLommelSeeliger,
     QT_TRANSLATE_NOOP("LawDescriptions", "ф = 2μ<sub>0</sub> / (μ<sub>0</sub> + μ)"),
     "E. Lommel. Die Photometrie der diffusen Zurückwerfung, 1887; H. Seeliger. Zur Photometrie "
     "zerstreut reflectirender Substanzen. "
     "<i>Sitzungsberichte der Bayerischen Akademie der Wissenschaften</i>, 1888."},
    {kLunarLambert,
     QT_TRANSLATE_NOOP(
         "LawDescriptions",
         "ф = L · 2μ<sub>0</sub> / (μ<sub>0</sub> + μ) + (1 − L) · μ<sub>0</sub><br>"
         "по Мак-Юэну: L(g) = 1 − 0,019g + 0,000242g<sup>2</sup> − 0,00000146g<sup>3</sup>, "
         "g в градусах, L от 0 до 1"),
     "A. S. McEwen. Photometric functions for photoclinometry and other applications. "
     "<i>Icarus</i>, 92, 1991; A. S. McEwen. A precise lunar photometric function. <i>Lunar "
     "and Planetary Science</i> XXVII, 1996."},
    {kOrenNayar,
     QT_TRANSLATE_NOOP(
         "LawDescriptions",
         "ф = μ<sub>0</sub> · (1 + (B/A) · max(0, cos Δφ) · sin α · tg β)<br>"
         "A = 1 − 0,5σ<sup>2</sup>/(σ<sup>2</sup> + 0,33), B = 0,45σ<sup>2</sup>/(σ<sup>2</sup> + "
         "0,09), α = max(i, e), β = min(i, e)"),
     "M. Oren, S. K. Nayar. Generalization of Lambert's reflectance model. <i>SIGGRAPH 94</i>, "
     "1994."},
    {kHapke,
     QT_TRANSLATE_NOOP(
         "LawDescriptions",
         "ф ∝ μ<sub>0</sub>/(μ<sub>0</sub> + μ) · [(1 + B(g)) P(g) + H(μ<sub>0</sub>) H(μ) − 1], "
         "ф = 1 при i = e = g = 0<br>"
         "B(g) = B<sub>0</sub> / (1 + tg(g/2) / h), P — Хеньи — Гринстейн с асимметрией ξ,<br>"
         "H(x) = (1 + 2x) / (1 + 2γx), γ = √(1 − w)"),
     QT_TRANSLATE_NOOP(
         "LawDescriptions",
         "B. Hapke. Bidirectional reflectance spectroscopy. 1. Theory. <i>Journal of Geophysical "
         "Research</i>, 86, 1981; B(g) — в форме из части 4, <i>Icarus</i>, 67, 1986.")},
    {kBlinnPhong,
     QT_TRANSLATE_NOOP("LawDescriptions",
                       "ф = (1 − s) μ<sub>0</sub> + s · cos<sup>n</sup> θ<sub>h</sub>"),
     "J. F. Blinn. Models of light reflection for computer synthesized pictures. <i>SIGGRAPH "
     "77</i>, 1977."},
    {kCookTorrance,
     QT_TRANSLATE_NOOP(
         "LawDescriptions",
         "ф = (1 − s) μ<sub>0</sub> + s · D F G / (4μ), лепесток делится на своё значение при "
         "i = e = g = 0<br>"
         "D — Бекманн с наклоном m, F — Шлик с F<sub>0</sub>, G — затенение микрогранями"),
     "R. L. Cook, K. E. Torrance. A reflectance model for computer graphics. <i>ACM "
     "Transactions on Graphics</i>, 1(1), 1982."},
    {kFormula,
     QT_TRANSLATE_NOOP("LawDescriptions",
                       "ф — выражение от i, e, g, ci, ce, cg и до четырёх своих параметров"),
     QT_TRANSLATE_NOOP("LawDescriptions", "Формулу читает и вычисляет библиотека muparser.")},
};

const LawWindowText* FindDescription(int32_t kind) {
  for (const LawWindowText& description : kDescriptions) {
    if (description.kind == kind) return &description;
  }
  return nullptr;
}

}  // namespace

QString LawFormulaHtml(int32_t reflectanceKind) {
  const LawWindowText* description = FindDescription(reflectanceKind);
  return description ? QCoreApplication::translate("LawDescriptions", description->formula)
                     : QString();
}

QString LawSourceText(int32_t reflectanceKind) {
  const LawWindowText* description = FindDescription(reflectanceKind);
  return description ? QCoreApplication::translate("LawDescriptions", description->source)
                     : QString();
}

QString LawHelpPage(int32_t reflectanceKind) {
  const LawEntry* law = FindLaw(reflectanceKind);
  if (law == nullptr) return {};
  return QString::fromLatin1(law->helpAnchor.data(),
                             static_cast<qsizetype>(law->helpAnchor.size()));
}
