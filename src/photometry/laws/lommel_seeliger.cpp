#include "model/render_state.h"
#include "photometry/laws/law_registry.h"

namespace {

constexpr LawDescription kLaw{
    kLommelSeeliger, "lommel-seeliger", {}, "2*ci / (ci+ce)", "law-lommel-seeliger"};

}  // namespace

const LawDescription& LommelSeeligerLaw() { return kLaw; }
