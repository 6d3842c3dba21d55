#include "animation/sweep_steps.h"

#include <array>
#include <cstdio>
#include <iterator>
#include <regex>

namespace {

const std::regex& FrameField() {
  static const std::regex kField("%0?[0-9]*d");
  return kField;
}

}  // namespace

double SweepValue(double from, double to, int frames, int frame) {
  return from + (to - from) * frame / (frames - 1);
}

int FrameFieldCount(const std::string& pattern) {
  return static_cast<int>(std::distance(
      std::sregex_iterator(pattern.begin(), pattern.end(), FrameField()), std::sregex_iterator()));
}

std::string FramePath(const std::string& pattern, int frame) {
  std::smatch field;
  if (!std::regex_search(pattern, field, FrameField())) return pattern;
  std::array<char, 32> number{};
  std::snprintf(number.data(), number.size(), field.str().c_str(), frame);
  return field.prefix().str() + number.data() + field.suffix().str();
}
