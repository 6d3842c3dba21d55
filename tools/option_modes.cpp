#include "option_modes.h"

#include <algorithm>
#include <vector>

#include "mode_table.h"
#include "render_option_table.h"

namespace {

// "--name", and "-o" for the one short option.
std::string Dashed(std::string_view name) {
  return (name.size() == 1 && name != "s" && name != "n" ? "-" : "--") + std::string(name);
}

void AddOnce(std::vector<std::string>& names, const std::string& name) {
  if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
    names.push_back(name);
}

std::string Joined(const std::vector<std::string>& names, const char* last) {
  std::string text;
  for (size_t k = 0; k < names.size(); ++k) {
    text += (k == 0 ? "" : k + 1 == names.size() ? last : ", ") + names[k];
  }
  return text;
}

// Why `name`, whose pairs are `allowed`, does not go with the job's mode and scene.
std::string Refusal(std::string_view name, ModeSet allowed, const RenderJob& job) {
  const std::string option = Dashed(name);
  bool modeFits = false;
  std::vector<std::string> modes;
  std::vector<std::string> scenes;
  for (int m = 0; m < kModeCount; ++m) {
    const Mode mode = static_cast<Mode>(m);
    for (int s = 0; s < kSceneCount; ++s) {
      const Scene scene = static_cast<Scene>(s);
      if ((allowed & PairBit(mode, scene)) == 0) continue;
      if (mode == job.mode) {
        modeFits = true;
        AddOnce(scenes, SceneOption(scene));
      }
      // The compared curves are named by their curve's own option.
      if (mode != Mode::kPicture && mode != Mode::kComparedPhaseCurves &&
          mode != Mode::kComparedProfiles)
        AddOnce(modes, ModeRowOf(mode).option);
    }
  }
  if (modeFits) {
    if (job.scene != Scene::kSphere)
      return option + " cannot be used with " + SceneOption(job.scene);
    return option + " needs " + Joined(scenes, " or ");
  }
  if (job.mode != Mode::kPicture)
    return option + " cannot be used with " + ModeRowOf(job.mode).option;
  return option + " applies to " + Joined(modes, " or ") + " only";
}

}  // namespace

bool OptionGiven(const RenderJob& job, std::string_view name) {
  return std::find(job.givenOptions.begin(), job.givenOptions.end(), name) !=
         job.givenOptions.end();
}

OptionValueError CheckOptionModes(RenderJob& job) {
  const ModeSet pair = PairBit(job.mode, job.scene);
  job.ignoredOptions.clear();
  const auto check = [&](const char* name, ModeSet applies, ModeSet warns) -> OptionValueError {
    if (!OptionGiven(job, name)) return std::nullopt;
    if ((warns & pair) != 0) job.ignoredOptions.push_back(Dashed(name));
    if (((applies | warns) & pair) != 0) return std::nullopt;
    return Refusal(name, applies | warns, job);
  };
  for (const ValueOption& option : ValueOptions()) {
    if (OptionValueError error = check(option.name, option.applies, option.warns)) return error;
  }
  for (const FlagOption& flag : FlagOptions()) {
    if (OptionValueError error = check(flag.name, flag.applies, flag.warns)) return error;
  }
  return std::nullopt;
}
