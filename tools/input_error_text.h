#pragma once
// The renderer's English text for an input error of the shade command: it names the option that
// carried the text (the window names its box in Russian instead).

#include <string>
#include <string_view>

#include "intake/parameter_intake.h"

// `text` in double quotes, cut to its first 40 characters and "…" as the window's messages cut
// it, so that no message grows with what was given.
std::string QuotedText(std::string_view text);

// "--rot-x", "--rot-y", "--rot-z", "--slant", "--s" or "--n".
std::string_view OptionForField(ShadeField field);

// Why a text did not read, to follow the quoted text: " is not a number", with a hint where only
// the decimal separator was wrong; `overflow` for a number beyond its range.
std::string DescribeNumberError(NumberError error, std::string_view overflow);

// "--slant: "abc" is not a number", "--rot-x: "1e39" is too large", "--s is empty: give a number".
std::string DescribeInputError(const InputError& error);
