#include "setup/setup_names.h"

#include <array>

#include "photometry/law_catalogue.h"

namespace {

struct DescribedName {
  std::string_view name;
  int32_t kind;
};

constexpr std::array<DescribedName, 4> kDescribed{
    {{"matte", kMatte}, {"glossy", kGlossy}, {"rocky", kRocky}, {"mirror", kMirror}}};

}  // namespace

std::string FunctionName(int32_t reflectanceKind) {
  for (const DescribedName& described : kDescribed) {
    if (described.kind == reflectanceKind) return std::string(described.name);
  }
  const LawEntry* law = FindLaw(reflectanceKind);
  return law != nullptr ? std::string(law->name) : std::string();
}

std::optional<int32_t> FunctionNamed(std::string_view name) {
  for (const DescribedName& described : kDescribed) {
    if (described.name == name) return described.kind;
  }
  if (const LawEntry* law = FindLawByName(name)) return law->kind;
  return std::nullopt;
}
