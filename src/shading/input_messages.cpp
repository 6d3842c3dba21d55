#include "shading/input_messages.h"

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

std::string Quoted(const std::string& text) { return "«" + text + "»"; }

}  // namespace

std::string ParameterMessage(ShadeField field, const std::string& text, NumberError error) {
  const std::string box = std::string("Поле «") + FieldCaption(field) + "»";
  if (error == NumberError::kOverflow)
    return box + " содержит " + Quoted(text) + ": число слишком велико.";
  if (IsBlankText(text)) return box + " не заполнено: введите число.";
  return box + " содержит " + Quoted(text) + ": это не число.";
}

std::string LegendMark(const std::string& text, NumberError error, const std::string& keptValue) {
  std::string problem;
  if (error == NumberError::kOverflow) {
    problem = Quoted(text) + " выходит за пределы 32-битного числа";
  } else if (IsBlankText(text)) {
    problem = "поле пусто";
  } else {
    problem = Quoted(text) + " не читается как число";
  }
  return problem + "; в расчёте остаётся " + keptValue;
}

std::string LegendRefusal(LegendColumn column, int row, const std::string& mark) {
  const char* field = column == LegendColumn::kLevel ? "Уровень" : "Полуширина";
  return std::string(field) + " изолинии в строке " + std::to_string(row + 1) +
         " легенды: " + mark + ".\nИсправьте поле, чтобы тонировать.";
}
