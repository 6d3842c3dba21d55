#include "photoset/photo_messages.h"

#include <utility>

#include "intake/input_messages.h"

namespace {

// A name from filenames.txt can be as long as the list: quoted, it is cut as box texts are.
MessagePart ShortName(const QString& name) {
  return VerbatimPart(ShortenedText(name.toStdString()));
}

}  // namespace

Message PhotoReason(const char* source, std::vector<MessagePart> parts) {
  return CoreMessageOf(source, std::move(parts));
}

MessagePart PhotoText(const QString& text) { return VerbatimPart(text.toStdString()); }

MessagePart QuotedLine(const QString& text) {
  return PhotoText(
      text.size() > kQuotedLineLength ? text.left(kQuotedLineLength) + QStringLiteral("…") : text);
}

Message PhotoSetMessage(const QString& name, Message reason) {
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1»: %2."),
                       {ShortName(name), MessagePartOf(std::move(reason))});
}

Message PhotoFolderMessage(const QString& folder, Message reason) {
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1»: %2."),
                       {PhotoText(folder), MessagePartOf(std::move(reason))});
}

Message PhotoSetLineMessage(const QString& name, int lineNumber, Message reason) {
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "«%1», строка %2: %3."),
                       {ShortName(name), VerbatimPart(std::to_string(lineNumber)),
                        MessagePartOf(std::move(reason))});
}

Message CountedWord(int64_t count, const char* one, const char* few, const char* many) {
  const int64_t lastTwo = count % 100;
  const int64_t last = count % 10;
  const char* form = many;
  if (lastTwo < 11 || lastTwo > 14) {
    if (last == 1) form = one;
    if (last >= 2 && last <= 4) form = few;
  }
  return CountedCoreMessage(form, static_cast<int>(count));
}

MessagePart SizeText(int width, int height) {
  return VerbatimPart(std::to_string(width) + " × " + std::to_string(height));
}
