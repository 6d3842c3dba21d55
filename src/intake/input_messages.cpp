#include "intake/input_messages.h"

#include <utility>

namespace {

// The box's caption: a text of the window for the four named boxes, the symbol itself for s and n.
MessagePart FieldCaption(ShadeField field) {
  switch (field) {
    case ShadeField::kRotX:
      return MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Поворот по Ox")));
    case ShadeField::kRotY:
      return MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Поворот по Oy")));
    case ShadeField::kRotZ:
      return MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Поворот по Oz")));
    case ShadeField::kSlant:
      return MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Наклон источника")));
    case ShadeField::kGlossS:
      return VerbatimPart("s");
    case ShadeField::kGlossN:
      return VerbatimPart("n");
  }
  return VerbatimPart("");
}

// A text quoted in a message is cut after this many characters, so that a pasted page of text
// cannot make the message box wider or taller than the screen.
constexpr size_t kQuotedCharacters = 40;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }

// What the user typed, as a message quotes it (the template holds the quotation marks).
MessagePart Typed(const std::string& text) { return VerbatimPart(ShortenedText(text)); }

// Why a legend text does not read, in plain words.
Message LegendProblem(const std::string& text, NumberError error, const NumberFormat& format) {
  if (error == NumberError::kOverflow) {
    return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1» — слишком большое число"),
                         {Typed(text)});
  }
  if (IsBlankText(text)) return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "поле пусто"));
  if (error == NumberError::kOtherDecimalSeparator) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "«%1» — не число: дробную часть отделяйте %2"),
        {Typed(text), MessagePartOf(DecimalSeparatorSaid(format))});
  }
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1» — не число"), {Typed(text)});
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

Message ParameterSaid(ShadeField field, const std::string& text, NumberError error,
                      const NumberFormat& format) {
  if (error == NumberError::kOverflow) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "Поле «%1» содержит «%2»: число слишком велико."),
        {FieldCaption(field), Typed(text)});
  }
  if (IsBlankText(text)) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "Поле «%1» не заполнено: введите число."),
        {FieldCaption(field)});
  }
  if (error == NumberError::kOtherDecimalSeparator) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages",
                          "Поле «%1» содержит «%2»: это не число, дробную часть отделяйте %3."),
        {FieldCaption(field), Typed(text), MessagePartOf(DecimalSeparatorSaid(format))});
  }
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Поле «%1» содержит «%2»: это не число."),
                       {FieldCaption(field), Typed(text)});
}

std::string ParameterMessage(ShadeField field, const std::string& text, NumberError error,
                             const NumberFormat& format) {
  return RussianText(ParameterSaid(field, text, error, format));
}

Message LegendMarkSaid(const std::string& text, NumberError error, const std::string& keptValue,
                       const NumberFormat& format) {
  return CoreMessageOf(
      GS_TRANSLATE_NOOP("CoreMessages", "%1; в расчёте остаётся %2"),
      {MessagePartOf(LegendProblem(text, error, format)), VerbatimPart(keptValue)});
}

std::string LegendMark(const std::string& text, NumberError error, const std::string& keptValue,
                       const NumberFormat& format) {
  return RussianText(LegendMarkSaid(text, error, keptValue, format));
}

Message LegendRefusalSaid(LegendColumn column, int row, const std::string& text, NumberError error,
                          const NumberFormat& format, int othersMarked) {
  MessagePart field =
      MessagePartOf(column == LegendColumn::kLevel
                        ? CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Уровень"))
                        : CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Полуширина")));
  MessagePart problem = MessagePartOf(LegendProblem(text, error, format));
  if (othersMarked > 0) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages",
                          "Тонирование не выполнено.\n%1 изолинии в строке %2 легенды: %3. Полей с "
                          "ошибкой ещё: %4.\n%5"),
        {std::move(field), VerbatimPart(std::to_string(row + 1)), std::move(problem),
         VerbatimPart(std::to_string(othersMarked)),
         MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP(
             "CoreMessages",
             "Исправьте поля, отмеченные красным, и нажмите «Тонировать» снова.")))});
  }
  return CoreMessageOf(
      GS_TRANSLATE_NOOP("CoreMessages",
                        "Тонирование не выполнено.\n%1 изолинии в строке %2 легенды: %3.\n%4"),
      {std::move(field), VerbatimPart(std::to_string(row + 1)), std::move(problem),
       MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP(
           "CoreMessages", "Исправьте это поле и нажмите «Тонировать» снова.")))});
}

std::string LegendRefusal(LegendColumn column, int row, const std::string& text, NumberError error,
                          const NumberFormat& format, int othersMarked) {
  return RussianText(LegendRefusalSaid(column, row, text, error, format, othersMarked));
}
