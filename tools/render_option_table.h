#pragma once
// The renderer's options: each option that takes a value with the handler that reads it into the
// job, and each flag with the switch it sets, in the order of the usage text.

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "option_values.h"
#include "render_job.h"

using ValueHandler = std::function<OptionValueError(std::string_view, RenderJob&)>;

struct ValueOption {
  const char* name;  // without dashes; "o" is the only short one
  const char* valueName;
  const char* description;
  ValueHandler apply;
};

struct FlagOption {
  const char* name;
  const char* description;
  bool& (*field)(RenderJob& job);
  bool value;
};

const std::vector<ValueOption>& ValueOptions();
std::span<const FlagOption> FlagOptions();
