#pragma once
// The language of the core's messages the renderer prints (a formula, an elevation model, a photo
// folder, sources or a setup file that does not read): English by default, from the window's
// translation compiled into the resources (:/i18n/gauss-sphere_en.qm, the messages library), or
// the core's Russian with --language ru. The texts of plots and figures follow the same choice
// through the application's translator. The renderer's own messages and the reports scripts read
// keep their English words.

#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"
#include "usage_language.h"

// The language --language names among `args` (its last mention), English when none does; read
// before the options are parsed, since options such as --setup and --formula print core messages.
UsageLanguage MessageLanguageOf(const std::vector<std::string_view>& args);

// Chooses the language of what RendererText returns from now on, and of the texts of plots and
// figures: the English translation is installed in the application while English is chosen.
void UseMessageLanguage(UsageLanguage language);

// Puts the chosen language in the application just made (EnsureHeadlessGui).
void InstallMessageLanguage();

// `message` in the chosen language, as UTF-8.
std::string RendererText(const Message& message);
