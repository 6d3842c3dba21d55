#include "intake/input_messages.h"

namespace {

const char* FieldCaption(ShadeField field) {
  switch (field) {
    case ShadeField::kRotX:
      return "Поворот по Ox";
    case ShadeField::kRotY:
      return "Поворот по Oy";
    case ShadeField::kRotZ:
      return "Поворот по Oz";
    case ShadeField::kSlant:
      return "Наклон источника";
    case ShadeField::kGlossS:
      return "s";
    case ShadeField::kGlossN:
      return "n";
  }
  return "";
}

// A text quoted in a message is cut after this many characters, so that a pasted page of text
// cannot make the message box wider or taller than the screen.
constexpr size_t kQuotedCharacters = 40;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }

std::string Quoted(const std::string& text) { return "«" + ShortenedText(text) + "»"; }

std::string SeparatorHint(const NumberFormat& format) {
  return "дробную часть отделяйте " + DecimalSeparatorInstrumental(format);
}

// Why a legend text does not read, in plain words.
std::string LegendProblem(const std::string& text, NumberError error, const NumberFormat& format) {
  if (error == NumberError::kOverflow) return Quoted(text) + " — слишком большое число";
  if (IsBlankText(text)) return "поле пусто";
  if (error == NumberError::kOtherDecimalSeparator) {
    return Quoted(text) + " — не число: " + SeparatorHint(format);
  }
  return Quoted(text) + " — не число";
}

}  // namespace

// The first kQuotedCharacters characters (not bytes: the text is UTF-8) and "…" if there are more.
std::string ShortenedText(std::string_view text) {
  size_t characters = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    if (StartsCharacter(text[at]) && characters++ == kQuotedCharacters) {
      return std::string(text.substr(0, at)) + "…";
    }
  }
  return std::string(text);
}

std::string ParameterMessage(ShadeField field, const std::string& text, NumberError error,
                             const NumberFormat& format) {
  const std::string box = std::string("Поле «") + FieldCaption(field) + "»";
  if (error == NumberError::kOverflow)
    return box + " содержит " + Quoted(text) + ": число слишком велико.";
  if (IsBlankText(text)) return box + " не заполнено: введите число.";
  if (error == NumberError::kOtherDecimalSeparator) {
    return box + " содержит " + Quoted(text) + ": это не число, " + SeparatorHint(format) + ".";
  }
  return box + " содержит " + Quoted(text) + ": это не число.";
}

std::string LegendMark(const std::string& text, NumberError error, const std::string& keptValue,
                       const NumberFormat& format) {
  return LegendProblem(text, error, format) + "; в расчёте остаётся " + keptValue;
}

std::string LegendRefusal(LegendColumn column, int row, const std::string& text, NumberError error,
                          const NumberFormat& format, int othersMarked) {
  const char* field = column == LegendColumn::kLevel ? "Уровень" : "Полуширина";
  const std::string others =
      othersMarked > 0 ? " Полей с ошибкой ещё: " + std::to_string(othersMarked) + "." : "";
  const char* fix = othersMarked > 0
                        ? "Исправьте поля, отмеченные красным, и нажмите «Тонировать» снова."
                        : "Исправьте это поле и нажмите «Тонировать» снова.";
  return std::string("Тонирование не выполнено.\n") + field + " изолинии в строке " +
         std::to_string(row + 1) + " легенды: " + LegendProblem(text, error, format) + "." +
         others + "\n" + fix;
}
