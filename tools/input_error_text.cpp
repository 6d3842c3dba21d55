#include "input_error_text.h"

#include "intake/input_messages.h"
#include "intake/number_text.h"

std::string QuotedText(std::string_view text) {
  std::string quoted = "\"";  // appended, not added: GCC 12 warns falsely of overlap (-Wrestrict)
  quoted.append(ShortenedText(text)).append("\"");
  return quoted;
}

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
  if (IsBlankText(error.text)) return option + " is empty: give a number";
  return option + ": " + QuotedText(error.text) +
         DescribeNumberError(error.reason, " is too large");
}

std::string DescribeNumberError(NumberError error, std::string_view overflow) {
  switch (error) {
    case NumberError::kNotANumber:
      return " is not a number";
    case NumberError::kOtherDecimalSeparator:
      return " is not a number: use a point as the decimal separator";
    case NumberError::kNone:
    case NumberError::kOverflow:
      break;
  }
  return std::string(overflow);
}
