#pragma once
// The headless renderer's command line, read by QCommandLineParser: from the argument list to a
// RenderJob, a request for the usage text or the version, or an error naming the offending option.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "option_values.h"
#include "render_job.h"
#include "usage_language.h"

// The usage text in the language --language names (English when it names none it knows).
struct HelpRequest {
  UsageLanguage language = UsageLanguage::kEnglish;
};
struct VersionRequest {};

struct OptionError {
  std::string message;
};

using ParsedCommandLine = std::variant<RenderJob, HelpRequest, VersionRequest, OptionError>;

// `args` excludes the program name. Options may be given as "--name VALUE" or "--name=VALUE";
// the value after an option is taken whatever it starts with ("--rot-x -30"); a later occurrence
// of an option replaces an earlier one. --help wins over every other problem.
ParsedCommandLine ParseRenderOptions(const std::vector<std::string_view>& args);

std::string RenderUsage(UsageLanguage language);
// Every text the usage is made of (for the test that the translation has each).
std::vector<const char*> UsageSourceTexts();
std::string RenderVersion();  // "gauss-sphere-render <project version>"
