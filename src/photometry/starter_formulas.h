#pragma once
// The additional laws written as typed formulas, in the names a formula knows (i, e, g, ci, ce,
// cg, pi) and the law's own parameter names from the catalogue, so that a user can start a
// formula of their own from a law and change it. Each text computes what the law computes for
// cos i > 0, the Lunar-Lambert law with its fixed L; at the undefined points of a law (i or e
// exactly 0 in Oren-Nayar, g = 180° in Blinn-Phong) the texts may give an infinity or a NaN
// where the law takes its limit.

#include <cstdint>
#include <string_view>

// The formula of law `reflectanceKind`; empty for the custom formula itself and for kinds that
// are not additional laws.
std::string_view StarterFormula(int32_t reflectanceKind);
