#include "model/render_state.h"
#include "photometry/laws/law_registry.h"

namespace {

// The custom formula names its parameters itself (custom_formula.h), so it lists none, and
// additional_laws evaluates it.
constexpr LawDescription kLaw{
    .kind = kFormula,
    .name = "formula",
    .parameters = {},
    .starterFormula = {},
    .helpAnchor = "law-formula",
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Своя формула"),
    .formulaHtml = GS_TRANSLATE_NOOP(
        "LawDescriptions", "ф — выражение от i, e, g, ci, ce, cg и до четырёх своих параметров"),
    .source =
        GS_TRANSLATE_NOOP("LawDescriptions", "Формулу читает и вычисляет библиотека muparser."),
    .helpTitle = "Своя формула",
    .helpTitleEn = "Custom formula",
    .functionNote = "a typed formula, --formula",
    .parameterProse = "up to four names of its own, any finite value",
};

}  // namespace

const LawDescription& FormulaLaw() { return kLaw; }
