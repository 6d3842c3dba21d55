// Painting one pixel at a float position: where it lands (rounded half to even), what paints
// nothing, and how components are limited.

#include "model/picture.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "model/image_buffer.h"

namespace {

struct Landing {
  int x;
  int y;
};

TEST(PaintPixel, LandsOnTheRoundedPositionOrNowhere) {
  constexpr int kWidth = 6;
  constexpr int kHeight = 4;
  constexpr Rgb kGround{50, 60, 70};
  constexpr Rgb kColour{7, 8, 9};
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float x, y;
    std::optional<Landing> lands;
  } cases[] = {
      {0.0F, 0.0F, Landing{0, 0}},  {5.0F, 3.0F, Landing{5, 3}}, {-0.0F, 2.0F, Landing{0, 2}},
      {-0.5F, 1.0F, Landing{0, 1}}, {2.5F, 1.0F, Landing{2, 1}}, {3.5F, 1.5F, Landing{4, 2}},
      {5.4F, 3.49F, Landing{5, 3}}, {6.0F, 0.0F, std::nullopt},  {0.0F, 4.0F, std::nullopt},
      {-0.6F, 1.0F, std::nullopt},  {5.5F, 0.0F, std::nullopt},  {nan, 1.0F, std::nullopt},
      {1.0F, inf, std::nullopt},    {-inf, 1.0F, std::nullopt},  {1e10F, 1.0F, std::nullopt},
      {-1e10F, 1.0F, std::nullopt},
  };
  for (const auto& c : cases) {
    for (const bool sizeGiven : {false, true}) {
      ImageBuffer picture(kWidth, kHeight);
      picture.Clear(kGround);
      if (sizeGiven) {
        PaintPixel(picture, kWidth, kHeight, c.x, c.y, kColour);
      } else {
        PaintPixel(picture, c.x, c.y, kColour);
      }
      ImageBuffer expected(kWidth, kHeight);
      expected.Clear(kGround);
      if (c.lands) expected.SetPixel(c.lands->x, c.lands->y, kColour);
      EXPECT_TRUE(picture.Pixels() == expected.Pixels())
          << "at " << c.x << ", " << c.y << (sizeGiven ? " (size given)" : "");
    }
  }
}

TEST(PaintPixel, LimitsEachComponentOnItsOwn) {
  const struct {
    Rgb colour;
    Rgb painted;
  } cases[] = {
      {{300, -4, 255}, {255, 0, 255}},
      {{256, 0, 1}, {255, 0, 1}},
      {{0, 1100, -1}, {0, 255, 0}},
  };
  for (const auto& c : cases) {
    ImageBuffer picture(2, 2);
    PaintPixel(picture, 1.0F, 1.0F, c.colour);
    EXPECT_EQ(picture.At(1, 1), c.painted)
        << c.colour.r << ", " << c.colour.g << ", " << c.colour.b;
  }
}

}  // namespace
