#pragma once
// The reader's tools for one JSON object of a setup file: each value taken by its key, checked
// for its type and range, the keys it knows noted. The first fault is kept (with the key's full
// name, "sphere.slant"); later reads then change nothing. Keys nobody asked for are collected for
// the warning.

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/message.h"

// What reading the whole file found: the first fault and the keys left out.
struct SetupFindings {
  std::optional<Message> fault;  // «ключ «sphere.slant»: …», none while none
  QStringList unknownKeys;
};

// A reason of the core's own: `source` marked with GS_TRANSLATE_NOOP("CoreMessages", ...).
Message SetupReason(const char* source, std::vector<MessagePart> parts = {});
// A text shown as it stands: a key, a value from the file, a file's name.
MessagePart SetupText(const QString& text);
// A number as QString::arg writes it.
MessagePart SetupNumber(double number);

class SetupSection {
 public:
  // `path` is the section's own key ("sphere"), empty for the top level.
  SetupSection(QJsonObject object, QString path, SetupFindings& findings);
  // Notes the keys not asked for as unknown.
  ~SetupSection();
  SetupSection(const SetupSection&) = delete;
  SetupSection& operator=(const SetupSection&) = delete;

  bool Failed() const { return findings_.fault.has_value(); }
  bool Has(const char* key) const { return object_.contains(QLatin1String(key)); }
  // Keeps the first fault, naming `key`.
  void Fail(const QString& key, Message reason);

  void Number(const char* key, double& value);
  void Ranged(const char* key, double& value, double lowest, double highest);
  // Degrees whose radians fit a 32-bit float, as the slant box reads them.
  void Angle(const char* key, double& value);
  void Integer(const char* key, int& value, int lowest, int highest);
  void Bool(const char* key, bool& value);
  void Text(const char* key, std::string& value);
  // Seven 32-bit values.
  void Floats(const char* key, std::array<float, 7>& values);
  // A list of exactly values.size() numbers, each within [lowest, highest].
  void RangedNumbers(const char* key, std::span<double> values, double lowest, double highest);
  std::optional<QJsonObject> Object(const char* key);
  // The object under `key` as a section of its own, named by its path and adding to the same
  // findings; none when the key is absent or is not an object (a fault then).
  std::optional<SetupSection> Section(const char* key);
  std::optional<QJsonArray> Array(const char* key);

  const QJsonObject& Json() const { return object_; }
  SetupFindings& Findings() const { return findings_; }
  QString KeyName(const QString& key) const;
  // Every key of the object is known (parameters by name, checked by the caller).
  void KnowAll();

 private:
  std::optional<QJsonValue> Take(const char* key);
  std::optional<double> NumberOf(const QString& key, const QJsonValue& value);

  QJsonObject object_;
  QString path_;
  SetupFindings& findings_;
  QSet<QString> known_;
};

// How a value is quoted in a message: its JSON text, cut after 40 characters.
QString QuotedJson(const QJsonValue& value);
