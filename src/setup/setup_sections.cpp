#include "setup/setup_sections.h"

#include <QJsonDocument>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "intake/number_text.h"

namespace {

constexpr qsizetype kQuotedCharacters = 40;

}  // namespace

Message SetupReason(const char* source, std::vector<MessagePart> parts) {
  return CoreMessageOf(source, std::move(parts));
}

MessagePart SetupText(const QString& text) { return VerbatimPart(text.toStdString()); }

MessagePart SetupNumber(double number) {
  return VerbatimPart(QString::number(number).toStdString());
}

QString QuotedJson(const QJsonValue& value) {
  QString text;
  if (value.isString()) {
    text = QLatin1Char('"') + value.toString() + QLatin1Char('"');
  } else if (value.isObject() || value.isArray()) {
    text = QString::fromUtf8(
        (value.isObject() ? QJsonDocument(value.toObject()) : QJsonDocument(value.toArray()))
            .toJson(QJsonDocument::Compact));
  } else {
    // A number, true, false or null: as an array of one, without the brackets.
    const QByteArray one = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    text = QString::fromUtf8(one.mid(1, one.size() - 2));
  }
  if (text.size() > kQuotedCharacters) text = text.left(kQuotedCharacters) + QStringLiteral("…");
  return text;
}

SetupSection::SetupSection(QJsonObject object, QString path, SetupFindings& findings)
    : object_(std::move(object)), path_(std::move(path)), findings_(findings) {}

SetupSection::~SetupSection() {
  for (auto it = object_.begin(); it != object_.end(); ++it) {
    if (!known_.contains(it.key())) findings_.unknownKeys.append(KeyName(it.key()));
  }
}

QString SetupSection::KeyName(const QString& key) const {
  return path_.isEmpty() ? key : path_ + QLatin1Char('.') + key;
}

void SetupSection::KnowAll() {
  for (auto it = object_.begin(); it != object_.end(); ++it) known_.insert(it.key());
}

void SetupSection::Fail(const QString& key, Message reason) {
  if (Failed()) return;
  findings_.fault = SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ключ «%1»: %2"),
                                {SetupText(KeyName(key)), MessagePartOf(std::move(reason))});
}

std::optional<QJsonValue> SetupSection::Take(const char* key) {
  const QString name = QLatin1String(key);
  known_.insert(name);
  if (Failed() || !object_.contains(name)) return std::nullopt;
  return object_.value(name);
}

std::optional<double> SetupSection::NumberOf(const QString& key, const QJsonValue& value) {
  if (!value.isDouble()) {
    Fail(key, SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается число, а записано %1"),
                          {SetupText(QuotedJson(value))}));
    return std::nullopt;
  }
  const double number = value.toDouble();
  if (!std::isfinite(number)) {
    Fail(key, SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "число вне допустимых пределов")));
    return std::nullopt;
  }
  return number;
}

void SetupSection::Number(const char* key, double& value) {
  const std::optional<QJsonValue> json = Take(key);
  if (!json) return;
  if (const std::optional<double> number = NumberOf(QLatin1String(key), *json)) value = *number;
}

void SetupSection::Ranged(const char* key, double& value, double lowest, double highest) {
  double number = value;
  Number(key, number);
  if (Failed()) return;
  if (!(number >= lowest && number <= highest)) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "%1 вне пределов от %2 до %3"),
                     {SetupNumber(number), SetupNumber(lowest), SetupNumber(highest)}));
    return;
  }
  value = number;
}

// The angle's shortest C text read as the slant box reads a text: the same bound on its radians.
void SetupSection::Angle(const char* key, double& value) {
  double number = value;
  Number(key, number);
  if (Failed()) return;
  std::array<char, 32> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), number);
  const NumberReading<double> reading = ReadAngleDegrees(
      std::string_view(digits.data(), static_cast<size_t>(written.ptr - digits.data())),
      CNumberFormat());
  if (!reading.Ok()) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "%1 — слишком большое число градусов"),
                     {SetupNumber(number)}));
    return;
  }
  value = number;
}

void SetupSection::Integer(const char* key, int& value, int lowest, int highest) {
  double number = value;
  Number(key, number);
  if (Failed()) return;
  if (number != std::floor(number) || number < lowest || number > highest) {
    Fail(
        QLatin1String(key),
        SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается целое от %1 до %2, а записано %3"),
                    {VerbatimPart(std::to_string(lowest)), VerbatimPart(std::to_string(highest)),
                     SetupNumber(number)}));
    return;
  }
  value = static_cast<int>(number);
}

void SetupSection::Bool(const char* key, bool& value) {
  const std::optional<QJsonValue> json = Take(key);
  if (!json) return;
  if (!json->isBool()) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается true или false, а записано %1"),
                     {SetupText(QuotedJson(*json))}));
    return;
  }
  value = json->toBool();
}

void SetupSection::Text(const char* key, std::string& value) {
  const std::optional<QJsonValue> json = Take(key);
  if (!json) return;
  if (!json->isString()) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается строка, а записано %1"),
                     {SetupText(QuotedJson(*json))}));
    return;
  }
  // A NUL would end the text wherever it is handed on as a C string: kept, it means something
  // else to each reader.
  if (json->toString().contains(QChar(0))) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "строка содержит символ NUL")));
    return;
  }
  value = json->toString().toStdString();
}

void SetupSection::Floats(const char* key, std::array<float, 7>& values) {
  const std::optional<QJsonArray> array = Array(key);
  if (!array) return;
  if (array->size() != static_cast<qsizetype>(values.size())) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается %1 чисел, а записано %2"),
                     {VerbatimPart(std::to_string(values.size())),
                      VerbatimPart(std::to_string(array->size()))}));
    return;
  }
  std::array<float, 7> read{};
  for (size_t k = 0; k < values.size(); ++k) {
    const QString element = QStringLiteral("%1[%2]").arg(QLatin1String(key)).arg(k);
    const std::optional<double> number = NumberOf(element, array->at(static_cast<qsizetype>(k)));
    if (!number) return;
    read[k] = static_cast<float>(*number);
    if (!std::isfinite(read[k])) {
      Fail(element,
           SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "%1 не умещается в 32-битное число"),
                       {SetupNumber(*number)}));
      return;
    }
  }
  values = read;
}

void SetupSection::RangedNumbers(const char* key, std::span<double> values, double lowest,
                                 double highest) {
  const std::optional<QJsonArray> array = Array(key);
  if (!array) return;
  if (array->size() != static_cast<qsizetype>(values.size())) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается %1 чисел, а записано %2"),
                     {VerbatimPart(std::to_string(values.size())),
                      VerbatimPart(std::to_string(array->size()))}));
    return;
  }
  std::vector<double> read(values.size());
  for (size_t k = 0; k < values.size(); ++k) {
    const QString element = QStringLiteral("%1[%2]").arg(QLatin1String(key)).arg(k);
    const std::optional<double> number = NumberOf(element, array->at(static_cast<qsizetype>(k)));
    if (!number) return;
    if (!(*number >= lowest && *number <= highest)) {
      Fail(element, SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "%1 вне пределов от %2 до %3"),
                                {SetupNumber(*number), SetupNumber(lowest), SetupNumber(highest)}));
      return;
    }
    read[k] = *number;
  }
  std::copy(read.begin(), read.end(), values.begin());
}

std::optional<QJsonObject> SetupSection::Object(const char* key) {
  const std::optional<QJsonValue> json = Take(key);
  if (!json) return std::nullopt;
  if (!json->isObject()) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается объект {…}, а записано %1"),
                     {SetupText(QuotedJson(*json))}));
    return std::nullopt;
  }
  return json->toObject();
}

std::optional<SetupSection> SetupSection::Section(const char* key) {
  std::optional<QJsonObject> json = Object(key);
  if (!json) return std::nullopt;
  // Made in place: a section is neither copied nor moved.
  return std::optional<SetupSection>(std::in_place, std::move(*json), KeyName(QLatin1String(key)),
                                     findings_);
}

std::optional<QJsonArray> SetupSection::Array(const char* key) {
  const std::optional<QJsonValue> json = Take(key);
  if (!json) return std::nullopt;
  if (!json->isArray()) {
    Fail(QLatin1String(key),
         SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается список […], а записано %1"),
                     {SetupText(QuotedJson(*json))}));
    return std::nullopt;
  }
  return json->toArray();
}
