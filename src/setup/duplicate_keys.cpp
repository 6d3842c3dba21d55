#include "setup/duplicate_keys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <vector>

namespace {

// One open object or list: its full name, the keys seen so far, and what comes next.
struct Level {
  bool object = false;
  QString name;
  QSet<QString> keys;
  QString lastKey;
  bool keyNext = false;  // an object's next string is a key
  int index = 0;         // a list's element being read
};

QString ChildName(const Level& level) {
  if (!level.object) return QStringLiteral("%1[%2]").arg(level.name).arg(level.index);
  return level.name.isEmpty() ? level.lastKey : level.name + QLatin1Char('.') + level.lastKey;
}

// The string whose opening quote is at `at`, its escapes decoded; `at` is left on its closing
// quote.
QString StringAt(const QByteArray& json, qsizetype& at) {
  const qsizetype start = at;
  for (++at; at < json.size() && json[at] != '"'; ++at) {
    if (json[at] == '\\') ++at;
  }
  const QByteArray quoted = json.mid(start, at - start + 1);
  return QJsonDocument::fromJson("[" + quoted + "]").array().at(0).toString();
}

}  // namespace

std::optional<QString> FirstDuplicateKey(const QByteArray& json) {
  std::vector<Level> levels;
  for (qsizetype at = 0; at < json.size(); ++at) {
    const char c = json[at];
    if (c == '"') {
      const QString text = StringAt(json, at);
      if (levels.empty() || !levels.back().object || !levels.back().keyNext) continue;
      Level& level = levels.back();
      level.keyNext = false;
      level.lastKey = text;
      if (level.keys.contains(text)) return ChildName(level);
      level.keys.insert(text);
    } else if (c == '{' || c == '[') {
      Level inner;
      inner.object = c == '{';
      inner.keyNext = inner.object;
      if (!levels.empty()) inner.name = ChildName(levels.back());
      levels.push_back(std::move(inner));
    } else if ((c == '}' || c == ']') && !levels.empty()) {
      levels.pop_back();
    } else if (c == ',' && !levels.empty()) {
      Level& level = levels.back();
      if (level.object) {
        level.keyNext = true;
      } else {
        ++level.index;
      }
    }
  }
  return std::nullopt;
}
