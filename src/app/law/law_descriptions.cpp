#include "app/law/law_descriptions.h"

#include <QCoreApplication>

#include "photometry/law_catalogue.h"

namespace {

// A text of the law's description (photometry/laws), translated in the context it is marked in;
// one that is not marked (a source as published) finds no translation and stays as written.
QString Translated(const char* text) {
  return QCoreApplication::translate("LawDescriptions", text);
}

}  // namespace

QString LawFormulaHtml(int32_t reflectanceKind) {
  const LawEntry* law = FindLaw(reflectanceKind);
  return law ? Translated(law->formulaHtml) : QString();
}

QString LawSourceText(int32_t reflectanceKind) {
  const LawEntry* law = FindLaw(reflectanceKind);
  return law ? Translated(law->source) : QString();
}

QString LawHelpPage(int32_t reflectanceKind) {
  const LawEntry* law = FindLaw(reflectanceKind);
  if (law == nullptr) return {};
  return QString::fromLatin1(law->helpAnchor.data(),
                             static_cast<qsizetype>(law->helpAnchor.size()));
}
