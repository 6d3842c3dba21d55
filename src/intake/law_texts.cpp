#include "intake/law_texts.h"

#include "intake/input_messages.h"
#include "model/render_state.h"
#include "photometry/law_catalogue.h"

namespace {

// A name or token quoted, cut short: a message never grows with the formula.
std::string Quoted(const std::string& text) { return "«" + ShortenedText(text) + "»"; }

constexpr const char* kKnownNames =
    "Формула знает i, e, g (углы в радианах), ci, ce, cg (их косинусы), pi, свои параметры и "
    "функции sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max; степень — ^.";

std::string SyntaxProblem(const FormulaError& error) {
  switch (error.detail) {
    case FormulaSyntaxDetail::kUnclosedParenthesis:
      return "не закрыта скобка";
    case FormulaSyntaxDetail::kUnexpectedParenthesis:
      return "лишняя или пустая скобка";
    case FormulaSyntaxDetail::kUnexpectedEnd:
      return "выражение оборвано: после знака действия нет слагаемого или множителя";
    case FormulaSyntaxDetail::kArgumentCount:
      return "у функции " + Quoted(error.name) + " не то число аргументов";
    case FormulaSyntaxDetail::kSecondResult:
      return "запятая вне скобок функции: формула даёт одно значение";
    case FormulaSyntaxDetail::kOther:
      break;
  }
  return "неожиданный знак или имя " + Quoted(error.name) +
         "; проверьте знаки действий, скобки и запятые между аргументами функций";
}

}  // namespace

std::string LawDisplayName(int32_t reflectanceKind) {
  const LawEntry* law = FindLaw(reflectanceKind);
  return law ? law->displayName : "";
}

std::string FunctionDisplayName(int32_t reflectanceKind) {
  switch (reflectanceKind) {
    case kMatte:
      return "Матовая";
    case kGlossy:
      return "Глянцевая";
    case kRocky:
      return "Каменистая";
    case kMirror:
      return "Зеркальная";
    default:
      return LawDisplayName(reflectanceKind);
  }
}

std::string LawParameterCaption(int32_t reflectanceKind, int index) {
  const LawEntry* law = FindLaw(reflectanceKind);
  if (!law || index < 0 || static_cast<size_t>(index) >= law->parameters.size()) return "";
  return law->parameters[static_cast<size_t>(index)].caption;
}

std::string FormulaErrorMessage(const FormulaError& error) {
  const std::string at = "в позиции " + std::to_string(error.position);
  switch (error.kind) {
    case FormulaErrorKind::kEmpty:
      return std::string("Формула пуста: введите выражение. ") + kKnownNames;
    case FormulaErrorKind::kTooLong:
      return "Формула слишком длинная: её длина " + std::to_string(error.length) +
             ", а допустимо не больше " + std::to_string(kMaxFormulaLength) + " знаков.";
    case FormulaErrorKind::kUnknownName:
      return "Формула не прочитана: " + at + " неизвестное имя " + Quoted(error.name) + ". " +
             kKnownNames;
    case FormulaErrorKind::kSyntax:
      return "Формула не прочитана: " + at + " " + SyntaxProblem(error) + ".";
    case FormulaErrorKind::kBadParameterName:
      return "Имя параметра " + Quoted(error.name) +
             " не годится: оно начинается с латинской буквы, состоит из латинских букв, цифр "
             "и знаков подчёркивания и не длиннее " +
             std::to_string(kMaxParameterNameLength) + " знаков.";
    case FormulaErrorKind::kReservedName:
      return "Имя параметра " + Quoted(error.name) +
             " уже занято переменной, постоянной или функцией формулы.";
    case FormulaErrorKind::kDuplicateParameter:
      return "Параметр " + Quoted(error.name) + " назван дважды.";
    case FormulaErrorKind::kTooManyParameters:
      return "У формулы не больше четырёх параметров: лишний — " + Quoted(error.name) + ".";
  }
  return "Формула не прочитана.";
}
