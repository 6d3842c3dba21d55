#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/laws/law_registry.h"

namespace {

double Phi(double mu0, double mu, const LawConstants&) { return LommelSeeligerPhi(mu0, mu); }

constexpr LawDescription kLaw{
    .kind = kLommelSeeliger,
    .name = "lommel-seeliger",
    .parameters = {},
    .starterFormula = "2*ci / (ci+ce)",
    .helpAnchor = "law-lommel-seeliger",
    .phi = Phi,
    .displayName = GS_TRANSLATE_NOOP("CoreTexts", "Ломмель — Зелигер"),
    .formulaHtml = GS_TRANSLATE_NOOP("LawDescriptions", "ф = 2μ<sub>0</sub> / (μ<sub>0</sub> + μ)"),
    .source =
        "E. Lommel. Die Photometrie der diffusen Zurückwerfung, 1887; H. Seeliger. Zur "
        "Photometrie zerstreut reflectirender Substanzen. "
        "<i>Sitzungsberichte der Bayerischen Akademie der Wissenschaften</i>, 1888.",
    .helpTitle = "Закон Ломмеля — Зелигера",
    .helpTitleEn = "The Lommel–Seeliger law",
};

}  // namespace

const LawDescription& LommelSeeligerLaw() { return kLaw; }
