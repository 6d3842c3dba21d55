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
      return "Фотометрическое стерео (Вудхэм)";
    case RecoveryMethod::kLawStereo:
      return "Фотометрическое стерео по закону";
    case RecoveryMethod::kRobustStereo:
      return "Фотометрическое стерео без бликов и теней";
    case RecoveryMethod::kTsaiShah:
      return "Форма по затенению (Тсай и Шах)";
    case RecoveryMethod::kHorn:
      break;
  }
  return "Форма по затенению (Хорн)";
}

const char* IntegratorName(Integrator integrator) {
  switch (integrator) {
    case Integrator::kFrankotChellappa:
      return "Франкот и Челлаппа (Фурье)";
    case Integrator::kOnMask:
      return "Пуассон на маске";
    case Integrator::kDctPoisson:
      break;
  }
  return "Пуассон, косинусное преобразование";
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

std::optional<std::string> RecoveryMemoryRefusal(RecoveryMethod method, Integrator integrator,
                                                 int width, int height) {
  const int64_t bytes = RecoveryBytes(method, integrator, width, height);
  if (bytes <= kMaxRecoveryBytes) return std::nullopt;
  // The method and the integrator each quoted alone, as the window's lists name them.
  std::string message = "Восстановление способом «" + std::string(MethodName(method)) + "»";
  if (IsStereo(method))
    message += " с интегрированием «" + std::string(IntegratorName(integrator)) + "»";
  return message + " на сетке " + std::to_string(width) + " × " + std::to_string(height) +
         " заняло бы около " + std::to_string(bytes / kMegabyte) + " МБ памяти, больше предела в " +
         std::to_string(kMaxRecoveryBytes / kMegabyte) +
         " МБ; уменьшите сетку или выберите другой способ.";
}
