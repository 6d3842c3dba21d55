#include "input_error_text.h"

#include "shading/number_text.h"

std::string_view OptionForField(ShadeField field) {
  switch (field) {
    case ShadeField::kRotX:
      return "--rot-x";
    case ShadeField::kRotY:
      return "--rot-y";
    case ShadeField::kRotZ:
      return "--rot-z";
    case ShadeField::kSlant:
      return "--slant";
    case ShadeField::kGlossS:
      return "--s";
    case ShadeField::kGlossN:
      return "--n";
  }
  return "an option";
}

std::string DescribeInputError(const InputError& error) {
  const std::string option(OptionForField(error.field));
  if (error.text.find_first_not_of(" \t") == std::string::npos) {
    return option + " is empty: give a number";
  }
  // The shade command refuses a text that reads as a number only when the number (or the
  // angle in radians) is beyond the range of its type.
  const bool readsAsNumber =
      ReadDouble(error.text, CNumberFormat()).error != NumberError::kNotANumber;
  return option + ": \"" + error.text + "\"" +
         (readsAsNumber ? " is too large" : " is not a number");
}
