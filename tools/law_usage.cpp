#include "law_usage.h"

#include <QStringList>
#include <charconv>

#include "photometry/law_catalogue.h"

namespace {

constexpr const char* kFunctionList =
    "matte, glossy, rocky or mirror (default matte), or an additional law: %1.";
constexpr const char* kLastOfList = "%1 or %2";
constexpr const char* kParameterList = "A parameter of an additional law; repeat for each. %1.";
constexpr const char* kRange = "%1 to %2, default %3";

QString Latin(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The shortest text that reads back as the value, "." as separator whatever the locale.
QString NumberText(double value) {
  char buffer[32];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, static_cast<qsizetype>(written.ptr - buffer));
}

// "a, b or c".
QString ListText(const QStringList& items, UsageLanguage language) {
  if (items.size() < 2) return items.join(QString());
  return UsageText(kLastOfList, language)
      .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.back());
}

// "sigma (degrees, 0 to 60, default 20)".
QString ParameterText(const LawParameterSpec& spec, UsageLanguage language) {
  QStringList parts;
  if (*spec.usageUnit != '\0') parts.append(UsageText(spec.usageUnit, language));
  parts.append(
      UsageText(kRange, language)
          .arg(NumberText(spec.lowest), NumberText(spec.highest), NumberText(spec.startValue)));
  if (*spec.usageNote != '\0') parts.append(UsageText(spec.usageNote, language));
  return Latin(spec.name) + QStringLiteral(" (") + parts.join(QStringLiteral(", ")) +
         QLatin1Char(')');
}

bool TakesParameters(const LawEntry& law) {
  return !law.parameters.empty() || *law.parameterProse != '\0';
}

}  // namespace

QString FunctionUsage(UsageLanguage language) {
  QStringList names;
  for (const LawEntry& law : AdditionalLaws()) {
    QString name = Latin(law.name);
    if (*law.functionNote != '\0') {
      name += QStringLiteral(" (") + UsageText(law.functionNote, language) + QLatin1Char(')');
    }
    names.append(name);
  }
  return UsageText(kFunctionList, language).arg(ListText(names, language));
}

QString ParameterUsage(UsageLanguage language) {
  QStringList laws;
  for (const LawEntry& law : AdditionalLaws()) {
    if (!TakesParameters(law)) continue;
    QStringList parameters;
    for (const LawParameterSpec& spec : law.parameters) {
      parameters.append(ParameterText(spec, language));
    }
    if (*law.parameterProse != '\0') parameters.append(UsageText(law.parameterProse, language));
    laws.append(Latin(law.name) + QStringLiteral(": ") + parameters.join(QStringLiteral(", ")));
  }
  return UsageText(kParameterList, language).arg(laws.join(QStringLiteral("; ")));
}

std::string LawsTakingParameters() {
  std::string names;
  for (const LawEntry& law : AdditionalLaws()) {
    if (TakesParameters(law)) names += (names.empty() ? "" : ", ") + std::string(law.name);
  }
  return names;
}

std::vector<const char*> LawUsageSourceTexts() {
  std::vector<const char*> texts = {kFunctionList, kLastOfList, kParameterList, kRange};
  for (const LawEntry& law : AdditionalLaws()) {
    for (const char* text : {law.functionNote, law.parameterProse}) {
      if (*text != '\0') texts.push_back(text);
    }
    for (const LawParameterSpec& spec : law.parameters) {
      for (const char* text : {spec.usageUnit, spec.usageNote}) {
        if (*text != '\0') texts.push_back(text);
      }
    }
  }
  return texts;
}
