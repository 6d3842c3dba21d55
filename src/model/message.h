#pragma once
// A message for the user as data, not as finished text: the Russian template it is made of, the
// parts that fill its %1 ... %9, and the count that a counted word (%n) follows. The core builds
// messages; whoever shows one chooses its language: RussianText() fills the template as written,
// the window and the renderer translate the template (and each nested message) and fill the
// same parts. A verbatim part (what the user typed, a file's name, a number already written in
// the user's format) is never translated.
//
//   core: Message{context, Russian template, parts, count} -> RussianText() | translated template

#include <memory>
#include <string>
#include <vector>

// Marks a Russian template for translation without Qt: it stands for the text itself. lupdate
// reads it as QT_TRANSLATE_NOOP (-tr-function-alias), so the .ts holds every template the core
// writes. GS_TRANSLATE_N_NOOP marks a template with %n, translated with its count.
#define GS_TRANSLATE_NOOP(context, text) text
#define GS_TRANSLATE_N_NOOP(context, text) text

struct Message;

// One part of a message: a text shown as it stands, or a message of the core's own (a field's
// name, a reason), translated in turn.
struct MessagePart {
  std::string verbatim;
  std::shared_ptr<const Message> nested;
};

struct Message {
  const char* context = "";  // the translation context the template is marked in
  const char* source = "";   // the Russian template: %1 ... %9 for parts, %n for the count
  std::vector<MessagePart> parts;
  int count = -1;  // the n of %n; -1 for a template without it
};

// The context every template of the core is marked in.
inline constexpr const char* kCoreMessagesContext = "CoreMessages";

// A part shown as it stands.
MessagePart VerbatimPart(std::string text);
// A part that is a message of its own.
MessagePart MessagePartOf(Message message);

// A core message: `source` marked with GS_TRANSLATE_NOOP("CoreMessages", ...) where it is written.
Message CoreMessageOf(const char* source, std::vector<MessagePart> parts = {});
// A core message with a counted word, `source` marked with GS_TRANSLATE_N_NOOP: the caller picks
// the Russian form that `count` takes, the translation gets the count.
Message CountedCoreMessage(const char* source, int count);

// The message in Russian: its template with each %k replaced by part k (nested messages in
// Russian too) and %n by the count, in one pass, so that a part holding "%2" is not filled again.
std::string RussianText(const Message& message);
