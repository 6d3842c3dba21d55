#include "recovery/recovery_memory.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStereoBytes = 48;
constexpr double kFourierBytes = 128;
constexpr double kCosineBytes = 96;
constexpr double kFactorBytesPerLevel = 48;
constexpr double kShadingBytes = 128;
constexpr double kFewestLevels = 10;
constexpr int64_t kMegabyte = 1 << 20;

const char* MethodName(RecoveryMethod method) {
  switch (method) {
    case RecoveryMethod::kWoodhamStereo:
      return GS_TRANSLATE_NOOP("CoreMessages", "Фотометрическое стерео (Вудхэм)");
    case RecoveryMethod::kLawStereo:
      return GS_TRANSLATE_NOOP("CoreMessages", "Фотометрическое стерео по закону");
    case RecoveryMethod::kRobustStereo:
      return GS_TRANSLATE_NOOP("CoreMessages", "Фотометрическое стерео без бликов и теней");
    case RecoveryMethod::kTsaiShah:
      return GS_TRANSLATE_NOOP("CoreMessages", "Форма по затенению (Тсай и Шах)");
    case RecoveryMethod::kFastMarching:
      return GS_TRANSLATE_NOOP("CoreMessages", "Форма по затенению (быстрый марш)");
    case RecoveryMethod::kHorn:
      break;
  }
  return GS_TRANSLATE_NOOP("CoreMessages", "Форма по затенению (Хорн)");
}

const char* IntegratorName(Integrator integrator) {
  switch (integrator) {
    case Integrator::kFrankotChellappa:
      return GS_TRANSLATE_NOOP("CoreMessages", "Франкот и Челлаппа (Фурье)");
    case Integrator::kOnMask:
      return GS_TRANSLATE_NOOP("CoreMessages", "Пуассон на маске");
    case Integrator::kDctPoisson:
      break;
  }
  return GS_TRANSLATE_NOOP("CoreMessages", "Пуассон, косинусное преобразование");
}

}  // namespace

int64_t RecoveryBytes(RecoveryMethod method, Integrator integrator, int width, int height) {
  const double cells = static_cast<double>(std::max(width, 0)) * std::max(height, 0);
  if (!IsStereo(method)) return static_cast<int64_t>(cells * kShadingBytes);
  double perCell = kStereoBytes;
  switch (integrator) {
    case Integrator::kFrankotChellappa:
      perCell += kFourierBytes;
      break;
    case Integrator::kDctPoisson:
      perCell += kCosineBytes;
      break;
    case Integrator::kOnMask:
      perCell += kFactorBytesPerLevel * std::max(std::log2(std::max(cells, 1.0)), kFewestLevels);
      break;
  }
  return static_cast<int64_t>(cells * perCell);
}

std::optional<Message> RecoveryMemoryRefusalSaid(RecoveryMethod method, Integrator integrator,
                                                 int width, int height) {
  const int64_t bytes = RecoveryBytes(method, integrator, width, height);
  if (bytes <= kMaxRecoveryBytes) return std::nullopt;
  // The method and the integrator each quoted alone, as the window's lists name them.
  const MessagePart methodName = MessagePartOf(CoreMessageOf(MethodName(method)));
  const MessagePart grid[] = {VerbatimPart(std::to_string(width)),
                              VerbatimPart(std::to_string(height)),
                              VerbatimPart(std::to_string(bytes / kMegabyte)),
                              VerbatimPart(std::to_string(kMaxRecoveryBytes / kMegabyte))};
  if (IsStereo(method)) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages",
                          "Восстановление способом «%1» с интегрированием «%2» на сетке %3 × %4 "
                          "заняло бы около %5 МБ памяти, больше предела в %6 МБ; уменьшите сетку "
                          "или выберите другой способ."),
        {methodName, MessagePartOf(CoreMessageOf(IntegratorName(integrator))), grid[0], grid[1],
         grid[2], grid[3]});
  }
  return CoreMessageOf(
      GS_TRANSLATE_NOOP("CoreMessages",
                        "Восстановление способом «%1» на сетке %2 × %3 заняло бы около %4 МБ "
                        "памяти, больше предела в %5 МБ; уменьшите сетку или выберите другой "
                        "способ."),
      {methodName, grid[0], grid[1], grid[2], grid[3]});
}

std::optional<std::string> RecoveryMemoryRefusal(RecoveryMethod method, Integrator integrator,
                                                 int width, int height) {
  const std::optional<Message> said = RecoveryMemoryRefusalSaid(method, integrator, width, height);
  if (!said) return std::nullopt;
  return RussianText(*said);
}
