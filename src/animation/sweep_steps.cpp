#include "animation/sweep_steps.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
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
  // "%", an optional "0", the width, "d": the width beyond any file name's length is no
  // different from that length.
  const std::string spec = field.str();
  const bool zeros = spec.size() > 2 && spec[1] == '0';
  size_t width = 0;
  for (const char c : spec.substr(1, spec.size() - 2)) {
    width = std::min(width * 10 + static_cast<size_t>(c - '0'), kMaxFileNameBytes + 1);
  }
  std::string number = std::to_string(frame);
  const bool negative = frame < 0;
  if (number.size() < width) {
    const size_t pad = width - number.size();
    number.insert(zeros && negative ? 1 : 0, pad, zeros ? '0' : ' ');
  }
  return field.prefix().str() + number + field.suffix().str();
}

std::optional<FrameNameProblem> CheckFrameNames(const std::string& pattern, int frames) {
  std::map<std::filesystem::path, int> files;
  for (int frame = 0; frame < frames; ++frame) {
    const std::string path = FramePath(pattern, frame);
    const size_t slash = path.rfind('/');
    const size_t own = slash == std::string::npos ? path.size() : path.size() - slash - 1;
    if (own > kMaxFileNameBytes) return FrameNameProblem{FrameNameProblem::kTooLong, path, frame};
    // The file the name leads to, links and ".." resolved as far as the folders exist.
    std::error_code error;
    std::filesystem::path file =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    if (error) file = path;
    const auto [found, added] = files.emplace(file, frame);
    if (!added) return FrameNameProblem{FrameNameProblem::kShared, path, frame, found->second};
  }
  return std::nullopt;
}
