#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/laws/law_registry.h"

namespace {

double Phi(double mu0, double mu, const LawConstants&) { return LommelSeeligerPhi(mu0, mu); }

constexpr LawDescription kLaw{kLommelSeeliger,  "lommel-seeliger",     {},
                              "2*ci / (ci+ce)", "law-lommel-seeliger", Phi};

}  // namespace

const LawDescription& LommelSeeligerLaw() { return kLaw; }
