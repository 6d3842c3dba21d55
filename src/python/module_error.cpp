#include "module_error.h"

#include <QString>
#include <QTranslator>

#include "messages/translated_message.h"
#include "module_parts.h"

namespace {

// Loaded on first need and kept for the process; every message stays Russian if it fails to load.
const QTranslator& EnglishMessages() {
  static const QTranslator* translator = [] {
    auto* loaded = new QTranslator();  // NOLINT(cppcoreguidelines-owning-memory): process-long
    [[maybe_unused]] const bool found = loaded->load(QStringLiteral(":/i18n/gauss-sphere_en.qm"));
    return loaded;
  }();
  return *translator;
}

}  // namespace

std::string EnglishText(const Message& message) {
  return TranslatedMessage(message, EnglishMessages()).toStdString();
}

void ThrowMessage(const Message& message) { throw ModuleError(EnglishText(message)); }

void BindErrors(pybind11::module_& module) {
  pybind11::register_exception<ModuleError>(module, "Error", PyExc_ValueError).doc() =
      "A failure the program words itself: a number or formula that does not read, a value out "
      "of range, a folder of photographs or lights that cannot be used. A ValueError; str() is "
      "the program's message in English.";
}
