// A recovery's memory is estimated before any is taken: what the renderer and the window run today
// stays admitted (a 1024 x 1024 Poisson solve on the mask peaked at 0.9 GB), what would take
// gigabytes more (the same solve on 2048 x 2048, past 4 GB) is refused with a message naming the
// method, the integrator and the grid, before the solve looks at a single image.

#include "recovery/recovery_memory.h"

#include <gtest/gtest.h>

#include "model/render_state.h"

namespace {

TEST(RecoveryMemory, AdmitsWhatFitsAndRefusesTheRestUpFront) {
  using enum RecoveryMethod;
  using enum Integrator;
  const struct {
    RecoveryMethod method;
    Integrator integrator;
    int width, height;
    const char* refusedNaming;  // nullptr: admitted
  } rows[] = {
      {kWoodhamStereo, kOnMask, 1024, 1024, nullptr},
      {kWoodhamStereo, kOnMask, 2048, 2048, "«Пуассон на маске» на сетке 2048 × 2048"},
      {kLawStereo, kFrankotChellappa, 4096, 4096, nullptr},
      {kWoodhamStereo, kDctPoisson, 7072, 7072, "«Пуассон, косинусное преобразование»"},
      {kHorn, kOnMask, 4096, 4096, nullptr},  // shape from shading integrates nothing
      {kTsaiShah, kDctPoisson, 6000, 6000, "способом «Форма по затенению (Тсай и Шах)» на сетке"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << " x " << row.height);
    RecoveryImages images;  // the size alone: a refusal must come before any pixel is read
    images.width = row.width;
    images.height = row.height;
    const auto shape = RecoverShape(images, RenderState{}, row.method, row.integrator);
    const auto* error = std::get_if<LightsError>(&shape);
    ASSERT_NE(error, nullptr);
    if (row.refusedNaming == nullptr) {
      EXPECT_NE(error->fault, LightsFault::kTooLarge) << error->message;
      continue;
    }
    EXPECT_EQ(error->fault, LightsFault::kTooLarge);
    EXPECT_NE(error->message.find(row.refusedNaming), std::string::npos) << error->message;
    EXPECT_NE(error->message.find("4096 МБ"), std::string::npos) << error->message;
  }
}

}  // namespace
