#pragma once
// The renderer's options: each option that takes a value with the handler that reads it into the
// job, and each flag with the switch it sets, in the order of the usage text; each with the
// (mode, scene) pairs it applies to and those that ignore it with a warning (render_mode.h). Given
// for any other pair, it is refused (option_modes.h).

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "option_values.h"
#include "render_job.h"
#include "render_mode.h"
#include "usage_language.h"

using ValueHandler = std::function<OptionValueError(std::string_view, RenderJob&)>;

struct ValueOption {
  const char* name;  // without dashes; "o" is the only short one
  const char* valueName;
  const char* description;  // nullptr when `describe` writes it
  ValueHandler apply;
  ModeSet applies;
  ModeSet warns = 0;  // ignored with a warning (one line for all such options)
  // The description written from data in the language asked for (the laws' options).
  QString (*describe)(UsageLanguage language) = nullptr;
};

struct FlagOption {
  const char* name;
  const char* description;
  bool& (*field)(RenderJob& job);
  bool value;
  ModeSet applies;
  ModeSet warns = 0;
};

const std::vector<ValueOption>& ValueOptions();
std::span<const FlagOption> FlagOptions();
