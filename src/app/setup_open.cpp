#include "app/setup_open.h"

#include <utility>

#include "messages/translated_message.h"

SetupOutcome OpenSetupFile(const QString& path) {
  SetupSaidOutcome outcome = ReadSetupFileSaid(path);
  if (const auto* refusal = std::get_if<Message>(&outcome)) return TranslatedMessage(*refusal);
  SetupReading& reading = std::get<SetupReading>(outcome);
  if (reading.warningSaid) reading.warning = TranslatedMessage(*reading.warningSaid);
  return std::move(reading);
}
