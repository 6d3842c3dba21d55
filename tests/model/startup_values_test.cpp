#include "model/startup_values.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string_view>

#include "model/picture.h"

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

// The legend's start-up texts and the start-up arrays are two homes of one fact: they must agree.
TEST(StartupLegendTexts, ReadAsTheStartupArrays) {
  RenderState state;
  ApplyStartupValues(state);
  const auto read = [](std::string_view text) {
    float value = -1.0F;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return value;
  };
  for (int k = 0; k < kIsoBandCount; ++k) {
    EXPECT_EQ(read(kStartupLevelTexts[k]), state.isoLevel[k]) << "row " << k;
    EXPECT_EQ(read(kStartupHalfWidthTexts[k]), state.isoHalfWidth[k]) << "row " << k;
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
