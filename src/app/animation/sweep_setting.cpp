#include "app/animation/sweep_setting.h"

#include <QCoreApplication>
#include <QLocale>

#include "app/common/locale_numbers.h"
#include "app/language/core_texts.h"
#include "intake/law_texts.h"
#include "messages/translated_message.h"
#include "pass/exposure.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"

namespace {

// The value as the user would type it: the shortest text that reads back as it.
std::string ValueText(double value) {
  return UserLocale().toString(value, 'g', QLocale::FloatingPointShortest).toStdString();
}

// The parameter's Russian name and, for a catalogued law, its range.
QString LawParameterName(const RenderState& state, int index) {
  if (state.reflectanceKind == kFormula) {
    return QString::fromStdString(state.law.formula->ParameterNames()[static_cast<size_t>(index)]);
  }
  return ::LawParameterName(state.reflectanceKind, index);
}

int LawParameterCount(const RenderState& state) {
  if (state.reflectanceKind == kFormula) {
    return state.law.formula ? static_cast<int>(state.law.formula->ParameterNames().size()) : 0;
  }
  const LawEntry* law = FindLaw(state.reflectanceKind);
  return law ? static_cast<int>(law->parameters.size()) : 0;
}

QString OutsideRange(const QString& name, double lowest, double highest) {
  return QCoreApplication::translate("AnimationDialog",
                                     "«%1» должно лежать в пределах от %2 до %3.")
      .arg(name, UserLocale().toString(lowest), UserLocale().toString(highest));
}

}  // namespace

std::vector<SweepSetting> SweepSettings(const SweepBase& base) {
  std::vector<SweepSetting> settings = {
      {SweepKind::kRotX, 0, QCoreApplication::translate("AnimationDialog", "Поворот вокруг Ox, °")},
      {SweepKind::kRotY, 0, QCoreApplication::translate("AnimationDialog", "Поворот вокруг Oy, °")},
      {SweepKind::kRotZ, 0, QCoreApplication::translate("AnimationDialog", "Поворот вокруг Oz, °")},
      {SweepKind::kSlant, 0, QCoreApplication::translate("AnimationDialog", "Наклон источника, °")},
  };
  for (size_t k = 0; k < base.extraSources.size(); ++k) {
    const int number = base.extraSources[k].number;
    const int index = static_cast<int>(k);
    settings.push_back(
        {SweepKind::kSourceSlant, index,
         QCoreApplication::translate("AnimationDialog", "Источник %1: наклон, °").arg(number)});
    settings.push_back(
        {SweepKind::kSourceTilt, index,
         QCoreApplication::translate("AnimationDialog", "Источник %1: поворот, °").arg(number)});
  }
  if (base.state.reflectanceKind == kGlossy) {
    settings.push_back(
        {SweepKind::kGlossS, 0, QCoreApplication::translate("AnimationDialog", "Глянцевая: s")});
    settings.push_back(
        {SweepKind::kGlossN, 0, QCoreApplication::translate("AnimationDialog", "Глянцевая: n")});
  }
  for (int k = 0; k < LawParameterCount(base.state); ++k) {
    settings.push_back({SweepKind::kLawParameter, k, LawParameterName(base.state, k)});
  }
  settings.push_back(
      {SweepKind::kExposure, 0, QCoreApplication::translate("AnimationDialog", "Яркость k")});
  return settings;
}

std::variant<SweptFrame, QString> StepSetting(const SweepBase& base, const SweepSetting& setting,
                                              double value) {
  SweptFrame frame{base.state, base.extraSources};
  ShadeInputs inputs = base.inputs;
  switch (setting.kind) {
    case SweepKind::kRotX:
      inputs.rotX = ValueText(value);
      break;
    case SweepKind::kRotY:
      inputs.rotY = ValueText(value);
      break;
    case SweepKind::kRotZ:
      inputs.rotZ = ValueText(value);
      break;
    case SweepKind::kSlant:
      inputs.slant = ValueText(value);
      break;
    case SweepKind::kGlossS:
      inputs.glossS = ValueText(value);
      break;
    case SweepKind::kGlossN:
      inputs.glossN = ValueText(value);
      break;
    case SweepKind::kSourceSlant:
      frame.extraSources.at(static_cast<size_t>(setting.index)).aim.slantDegrees = value;
      break;
    case SweepKind::kSourceTilt:
      frame.extraSources.at(static_cast<size_t>(setting.index)).aim.tiltDegrees = value;
      break;
    case SweepKind::kLawParameter: {
      const LawEntry* law = FindLaw(frame.state.reflectanceKind);
      if (law != nullptr && frame.state.reflectanceKind != kFormula) {
        const LawParameterSpec& spec = law->parameters[static_cast<size_t>(setting.index)];
        if (!InLawRange(spec, value)) return OutsideRange(setting.name, spec.lowest, spec.highest);
      }
      frame.state.law.parameters[static_cast<size_t>(setting.index)] = value;
      break;
    }
    case SweepKind::kExposure:
      if (!(value >= kMinExposure && value <= kMaxExposure)) {
        return OutsideRange(setting.name, kMinExposure, kMaxExposure);
      }
      frame.state.exposure = value;
      break;
  }
  const ShadeIntakeOutcome read = ReadShadeParameters(frame.state, inputs, UserNumberFormat());
  if (const auto* error = std::get_if<InputError>(&read)) {
    return TranslatedMessage(error->said);
  }
  return frame;
}
