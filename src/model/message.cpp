#include "model/message.h"

#include <utility>

MessagePart VerbatimPart(std::string text) { return MessagePart{std::move(text), nullptr}; }

MessagePart MessagePartOf(Message message) {
  return MessagePart{{}, std::make_shared<const Message>(std::move(message))};
}

Message CoreMessageOf(const char* source, std::vector<MessagePart> parts) {
  return Message{kCoreMessagesContext, source, std::move(parts), -1};
}

Message CountedCoreMessage(const char* source, int count) {
  return Message{kCoreMessagesContext, source, {}, count};
}

std::string RussianText(const Message& message) {
  const std::string source = message.source;
  std::string filled;
  for (size_t at = 0; at < source.size(); ++at) {
    if (source[at] == '%' && at + 1 < source.size()) {
      const char mark = source[at + 1];
      if (mark == 'n' && message.count >= 0) {
        filled += std::to_string(message.count);
        ++at;
        continue;
      }
      const int number = mark - '0';
      if (number >= 1 && number <= 9 && static_cast<size_t>(number) <= message.parts.size()) {
        const MessagePart& part = message.parts[static_cast<size_t>(number) - 1];
        filled += part.nested ? RussianText(*part.nested) : part.verbatim;
        ++at;
        continue;
      }
    }
    filled += source[at];
  }
  return filled;
}
