#include "app/language/core_messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

#include "app/language/core_message_table.h"
#include "app/language/core_texts.h"

namespace {

constexpr int kMaxPlaceholders = 9;  // %1 ... %9
constexpr int kNotCounted = -1;      // QCoreApplication::translate's n for a text without %n

// A template as a pattern that matches a whole text, one group a placeholder.
struct Template {
  const char* source;
  QRegularExpression pattern;
  std::vector<int> numbers;  // each group's placeholder: 1 for %1, ..., 0 for %n
};

// %1 ... %9 match any text, as short as lets the rest match; %n the digits of a count.
Template Made(const char* source) {
  static const QRegularExpression kPlaceholder(QStringLiteral("%([1-9n])"));
  const QString text = QString::fromUtf8(source);
  Template made{source, {}, {}};
  QString pattern;
  qsizetype at = 0;
  for (auto marks = kPlaceholder.globalMatch(text); marks.hasNext();) {
    const QRegularExpressionMatch mark = marks.next();
    pattern += QRegularExpression::escape(text.mid(at, mark.capturedStart() - at));
    const bool counted = mark.captured(1) == QLatin1String("n");
    pattern += counted ? QStringLiteral("(\\d+)") : QStringLiteral("(.*?)");
    made.numbers.push_back(counted ? 0 : mark.captured(1).toInt());
    at = mark.capturedEnd();
  }
  pattern += QRegularExpression::escape(text.mid(at));
  made.pattern = QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                    QRegularExpression::DotMatchesEverythingOption);
  return made;
}

const std::vector<Template>& Templates() {
  static const std::vector<Template> kTemplates = [] {
    std::vector<Template> made;
    for (const char* source : CoreMessageTemplates()) made.push_back(Made(source));
    return made;
  }();
  return kTemplates;
}

// `text` with each %1 ... %9 replaced by its part in one pass, so that a part holding "%2" (a
// quoted box, a file's name) is not filled again.
QString Filled(const QString& text, const QStringList& parts) {
  QString filled;
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == u'%' && at + 1 < text.size()) {
      const int number = text[at + 1].digitValue();
      if (number >= 1 && number <= parts.size()) {
        filled += parts[number - 1];
        ++at;
        continue;
      }
    }
    filled += text[at];
  }
  return filled;
}

}  // namespace

QString CoreMessage(const QString& message) {
  for (const Template& entry : Templates()) {
    const QRegularExpressionMatch match = entry.pattern.match(message);
    if (!match.hasMatch()) continue;
    int count = kNotCounted;
    bool countRead = true;
    QStringList parts(kMaxPlaceholders);
    for (size_t k = 0; k < entry.numbers.size(); ++k) {
      const QString part = match.captured(static_cast<int>(k) + 1);
      if (entry.numbers[k] == 0) {
        // A count written otherwise than Qt writes %n (a leading zero) is not this template's.
        count = part.toInt(&countRead);
        countRead = countRead && QString::number(count) == part;
      } else {
        parts[entry.numbers[k] - 1] = CoreMessage(part);
      }
    }
    if (!countRead) continue;
    return Filled(QCoreApplication::translate(kCoreMessagesContext, entry.source, nullptr, count),
                  parts);
  }
  return CoreText(message.toStdString());
}

QString CoreMessage(const std::string& message) {
  return CoreMessage(QString::fromStdString(message));
}
