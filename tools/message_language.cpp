#include "message_language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <atomic>

#include "messages/translated_message.h"

namespace {

std::atomic<UsageLanguage> chosenLanguage{UsageLanguage::kEnglish};

// Loaded on first need; empty when the resource does not load (every message then in Russian).
QTranslator& EnglishMessages() {
  static QTranslator* translator = [] {
    auto* loaded = new QTranslator();  // NOLINT(cppcoreguidelines-owning-memory): process-long
    [[maybe_unused]] const bool found = loaded->load(QStringLiteral(":/i18n/gauss-sphere_en.qm"));
    return loaded;
  }();
  return *translator;
}

}  // namespace

UsageLanguage MessageLanguageOf(const std::vector<std::string_view>& args) {
  constexpr std::string_view kOption = "--language";
  UsageLanguage language = UsageLanguage::kEnglish;
  for (size_t k = 0; k < args.size(); ++k) {
    std::string_view value;
    if (args[k] == kOption && k + 1 < args.size()) {
      value = args[k + 1];
    } else if (args[k].substr(0, kOption.size() + 1) == "--language=") {
      value = args[k].substr(kOption.size() + 1);
    } else {
      continue;
    }
    if (const std::optional<UsageLanguage> named = UsageLanguageNamed(value)) language = *named;
  }
  return language;
}

void UseMessageLanguage(UsageLanguage language) {
  chosenLanguage = language;
  InstallMessageLanguage();
}

void InstallMessageLanguage() {
  if (QCoreApplication::instance() == nullptr) return;
  if (chosenLanguage == UsageLanguage::kEnglish) {
    QCoreApplication::installTranslator(&EnglishMessages());
  } else {
    QCoreApplication::removeTranslator(&EnglishMessages());
  }
}

std::string RendererText(const Message& message) {
  if (chosenLanguage == UsageLanguage::kRussian) return RussianText(message);
  return TranslatedMessage(message, EnglishMessages()).toStdString();
}
