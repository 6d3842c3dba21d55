// The readers of the main window's sections: sphere, law and picture.

#include "intake/law_texts.h"
#include "model/backgrounds.h"
#include "overlay/overlay_marks.h"
#include "pass/exposure.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "setup/setup_names.h"
#include "setup/setup_section_readers.h"

namespace {

// The chosen law's parameters by name: a name the law does not have is a fault, not a key to
// leave out, since the value meant for it would be lost without a word.
void ReadLawParameters(SetupSection& law, int32_t kind, LawSetup& setup) {
  std::optional<SetupSection> section = law.Section("parameters");
  if (!section) return;
  section->KnowAll();
  const LawEntry* entry = kind == kFormula ? nullptr : FindLaw(kind);
  for (auto it = section->Json().begin(); it != section->Json().end() && !section->Failed(); ++it) {
    const std::optional<int> index =
        entry != nullptr ? FindLawParameter(*entry, it.key().toStdString()) : std::nullopt;
    if (!index) {
      section->Fail(it.key(), SetupReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                            "у функции «%1» нет такого параметра"),
                                          {VerbatimPart(FunctionName(kind))}));
      return;
    }
    const LawParameterSpec& spec = entry->parameters[static_cast<size_t>(*index)];
    double value = setup.parameters[static_cast<size_t>(*index)];
    const QByteArray key = it.key().toUtf8();
    section->Ranged(key.constData(), value, spec.lowest, spec.highest);
    if (!section->Failed() && !InLawRange(spec, value)) {
      section->Fail(it.key(), SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "%1 — ни %2, ни %3"),
                                          {SetupNumber(value), SetupNumber(spec.lowest),
                                           SetupNumber(spec.highest)}));
      return;
    }
    setup.parameters[static_cast<size_t>(*index)] = value;
  }
}

void ReadFormula(SetupSection& law, FormulaSetup& formula) {
  std::optional<SetupSection> section = law.Section("formula");
  if (!section) return;
  section->Text("text", formula.text);
  const std::optional<QJsonArray> parameters = section->Array("parameters");
  if (!parameters) return;
  for (qsizetype k = 0; k < parameters->size() && !section->Failed(); ++k) {
    const QString name = QStringLiteral("parameters[%1]").arg(k);
    if (!parameters->at(k).isObject()) {
      section->Fail(name, SetupReason(GS_TRANSLATE_NOOP(
                              "CoreMessages", "ожидается объект {\"name\": …, \"value\": …}")));
      return;
    }
    SetupSection parameter(parameters->at(k).toObject(), section->KeyName(name), law.Findings());
    FormulaParameterSetup read;
    parameter.Text("name", read.name);
    parameter.Number("value", read.value);
    formula.parameters.push_back(read);
  }
}

}  // namespace

void ReadSphere(SetupSection& root, SphereSetup& sphere) {
  std::optional<SetupSection> section = root.Section("sphere");
  if (!section) return;
  section->Angle("rotX", sphere.rotX);
  section->Angle("rotY", sphere.rotY);
  section->Angle("rotZ", sphere.rotZ);
  section->Angle("slant", sphere.slant);
  std::string function = FunctionName(sphere.reflectanceKind);
  section->Text("function", function);
  if (const std::optional<int32_t> kind = FunctionNamed(function)) {
    sphere.reflectanceKind = *kind;
  } else {
    section->Fail(QStringLiteral("function"),
                  SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "нет функции «%1»"),
                              {VerbatimPart(function)}));
  }
  section->Number("s", sphere.glossS);
  section->Number("n", sphere.glossN);
  section->Floats("levels", sphere.isoLevel);
  section->Floats("halfWidths", sphere.isoHalfWidth);
  section->Bool("colourIsolines", sphere.colourIsolines);
  section->Bool("halfSphere", sphere.halfSphere);
  section->Bool("smoothing", sphere.smoothing);
}

void ReadLaw(SetupSection& root, int32_t kind, LawSetup& law) {
  if (IsAdditionalLaw(kind)) law.parameters = StartLawSettings(kind).parameters;
  if (std::optional<SetupSection> section = root.Section("law")) {
    ReadLawParameters(*section, kind, law);
    if (kind == kLunarLambert) section->Bool("mcEwen", law.lunarLambertMcEwen);
    ReadFormula(*section, law.formula);
  }
  if (root.Failed()) return;
  const QString key = QStringLiteral("law.formula");
  if (law.formula.text.empty()) {
    if (kind == kFormula)
      root.Fail(key, SetupReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                   "выбрана своя формула, а её текста нет")));
    return;
  }
  std::vector<std::string> names;
  for (const FormulaParameterSetup& parameter : law.formula.parameters) {
    names.push_back(parameter.name);
  }
  const CompiledFormula compiled = CompileFormula(law.formula.text, names);
  if (const auto* error = std::get_if<FormulaError>(&compiled)) {
    root.Fail(key, FormulaErrorSaid(*error));
    return;
  }
  // The chosen formula's parameters are the law's, as the window holds them.
  if (kind == kFormula) {
    for (size_t k = 0; k < names.size(); ++k) law.parameters[k] = law.formula.parameters[k].value;
  }
}

void ReadPicture(SetupSection& root, PictureSetup& picture) {
  std::optional<SetupSection> section = root.Section("picture");
  if (!section) return;
  section->Ranged("exposure", picture.exposure, kMinExposure, kMaxExposure);
  section->Bool("autoExposure", picture.autoExposure);
  section->Text("background", picture.background);
  if (!BackgroundNamed(picture.background)) {
    section->Fail(
        QStringLiteral("background"),
        SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "нет фона «%1»: white, black или grey"),
                    {VerbatimPart(picture.background)}));
  }
  section->Bool("contourLines", picture.contourLines);
  section->Bool("outline", picture.outline);
  section->Bool("sourceMark", picture.sourceMark);
  section->Integer("lineWidth", picture.lineWidth, kMinLineWidth, kMaxLineWidth);
}
