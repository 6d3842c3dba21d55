#include "shading/startup_values.h"

#include <gtest/gtest.h>

#include "shading/picture.h"

namespace {

TEST(ApplyStartupValues, FillsTheLegendArraysTopRowFirst) {
  RenderState state;
  ApplyStartupValues(state);
  const float levels[kIsoBandCount] = {0.9F, 0.8F, 0.7F, 0.6F, 0.5F, 0.4F, 0.3F};
  for (int k = 0; k < kIsoBandCount; ++k) {
    EXPECT_EQ(state.isoLevel[k], levels[k]) << "isoLevel(" << k << ")";
    EXPECT_EQ(state.isoHalfWidth[k], 0.005F) << "isoHalfWidth(" << k << ")";
  }
}

TEST(ApplyStartupValues, LeavesThePassFieldsAlone) {
  RenderState state;
  state.rotX = 0.5F;
  state.mirrorTolerance = 0.01F;
  state.glossN = 3.0;
  ApplyStartupValues(state);
  EXPECT_EQ(state.rotX, 0.5F);
  EXPECT_EQ(state.mirrorTolerance, 0.01F);
  EXPECT_EQ(state.glossN, 3.0);
  EXPECT_EQ(state.pixelScale, 0.01F);
  EXPECT_EQ(state.reflectanceKind, kMatte);
  EXPECT_EQ(state.halfSphere, 1);
  EXPECT_EQ(state.showIsolines, 1);
  EXPECT_EQ((Rgb{state.backgroundR, state.backgroundG, state.backgroundB}), (Rgb{255, 255, 255}));
}

}  // namespace
