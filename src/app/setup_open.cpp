#include "app/setup_open.h"

#include "app/language/core_messages.h"

SetupOutcome OpenSetupFile(const QString& path) {
  SetupOutcome outcome = ReadSetupFile(path);
  if (auto* refusal = std::get_if<QString>(&outcome)) {
    *refusal = CoreMessage(*refusal);
  } else if (QString& warning = std::get<SetupReading>(outcome).warning; !warning.isEmpty()) {
    warning = CoreMessage(warning);
  }
  return outcome;
}
