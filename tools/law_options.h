#pragma once
// The renderer's options for the additional reflectance laws: --function's names beyond the four
// described functions, --param NAME=VALUE (repeatable) and --formula TEXT. The texts are kept as
// given while the command line is read; once every option is read, ResolveLaw turns them into
// the job's LawSettings or a message (exit status 2).
//
//   --function NAME -> reflectanceKind; --param, --formula -> texts -> ResolveLaw -> job.law

#include <string>
#include <string_view>

#include "option_values.h"
#include "render_job.h"

// An additional law's name ("minnaert", ..., "formula"): sets the job's kind, or false.
bool ParseLawFunction(std::string_view name, RenderJob& job);

// Keeps one --param text; its name and value are checked by ResolveLaw.
OptionValueError StoreLawParameter(std::string_view text, RenderJob& job);

// Keeps the --formula text.
OptionValueError StoreFormula(std::string_view text, RenderJob& job);

// The job's LawSettings from its kind, parameter texts and formula: each value in the C number
// format and within its range ("L=mcewen" for McEwen's L(g)), the formula compiled with the
// parameters it names. Refuses --param and --formula with a function that takes none, an
// unknown parameter, a value out of range, and a formula that does not read (the Russian
// message, with the position and the unknown name).
OptionValueError ResolveLaw(RenderJob& job);

// "matte, glossy, rocky, mirror, minnaert, ..., formula": every name --function takes.
std::string FunctionNames();
