#include "intake/law_texts.h"

#include "intake/input_messages.h"
#include "model/render_state.h"
#include "photometry/law_catalogue.h"

namespace {

// A name or token quoted (the template holds the quotation marks), cut short: a message never
// grows with the formula.
MessagePart Quoted(const std::string& text) { return VerbatimPart(ShortenedText(text)); }

MessagePart KnownNames() {
  return MessagePartOf(CoreMessageOf(GS_TRANSLATE_NOOP(
      "CoreMessages",
      "Формула знает i, e, g (углы в радианах), ci, ce, cg (их косинусы), pi, свои параметры и "
      "функции sin, cos, tan, asin, acos, atan, sqrt, exp, ln, log10, abs, min, max; степень — "
      "^.")));
}

Message SyntaxProblem(const FormulaError& error) {
  switch (error.detail) {
    case FormulaSyntaxDetail::kUnclosedParenthesis:
      return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "не закрыта скобка"));
    case FormulaSyntaxDetail::kUnexpectedParenthesis:
      return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "лишняя или пустая скобка"));
    case FormulaSyntaxDetail::kUnexpectedEnd:
      return CoreMessageOf(GS_TRANSLATE_NOOP(
          "CoreMessages", "выражение оборвано: после знака действия нет слагаемого или множителя"));
    case FormulaSyntaxDetail::kArgumentCount:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP("CoreMessages", "у функции «%1» не то число аргументов"),
          {Quoted(error.name)});
    case FormulaSyntaxDetail::kSecondResult:
      return CoreMessageOf(GS_TRANSLATE_NOOP(
          "CoreMessages", "запятая вне скобок функции: формула даёт одно значение"));
    case FormulaSyntaxDetail::kOther:
      break;
  }
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages",
                                         "неожиданный знак или имя «%1»; проверьте знаки действий, "
                                         "скобки и запятые между аргументами функций"),
                       {Quoted(error.name)});
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

Message FormulaErrorSaid(const FormulaError& error) {
  const MessagePart at = VerbatimPart(std::to_string(error.position));
  switch (error.kind) {
    case FormulaErrorKind::kEmpty:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP("CoreMessages", "Формула пуста: введите выражение. %1"),
          {KnownNames()});
    case FormulaErrorKind::kTooLong:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP(
              "CoreMessages",
              "Формула слишком длинная: её длина %1, а допустимо не больше %2 знаков."),
          {VerbatimPart(std::to_string(error.length)),
           VerbatimPart(std::to_string(kMaxFormulaLength))});
    case FormulaErrorKind::kUnknownName:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP("CoreMessages",
                            "Формула не прочитана: в позиции %1 неизвестное имя «%2». %3"),
          {at, Quoted(error.name), KnownNames()});
    case FormulaErrorKind::kSyntax:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP("CoreMessages", "Формула не прочитана: в позиции %1 %2."),
          {at, MessagePartOf(SyntaxProblem(error))});
    case FormulaErrorKind::kBadParameterName:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP("CoreMessages",
                            "Имя параметра «%1» не годится: оно начинается с латинской буквы, "
                            "состоит из латинских букв, цифр и знаков подчёркивания и не длиннее "
                            "%2 знаков."),
          {Quoted(error.name), VerbatimPart(std::to_string(kMaxParameterNameLength))});
    case FormulaErrorKind::kReservedName:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP(
              "CoreMessages",
              "Имя параметра «%1» уже занято переменной, постоянной или функцией формулы."),
          {Quoted(error.name)});
    case FormulaErrorKind::kDuplicateParameter:
      return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Параметр «%1» назван дважды."),
                           {Quoted(error.name)});
    case FormulaErrorKind::kTooManyParameters:
      return CoreMessageOf(
          GS_TRANSLATE_NOOP("CoreMessages",
                            "У формулы не больше четырёх параметров: лишний — «%1»."),
          {Quoted(error.name)});
  }
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Формула не прочитана."));
}

std::string FormulaErrorMessage(const FormulaError& error) {
  return RussianText(FormulaErrorSaid(error));
}
