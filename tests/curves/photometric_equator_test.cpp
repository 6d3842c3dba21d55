// The photometric equator's profile: every sample is the law at its own normal, read at the
// signed emission angle (the matte phi along it is cos(e - g) exactly, up to the 32-bit store, to
// the limb); the samples run a tenth of a degree apart without a gap to the limb of a face-on
// view; the CSV's first column is the plotted angle.

#include "curves/photometric_equator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "intake/number_text.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/readout.h"
#include "pass/shade_command.h"

namespace {

RenderState PassState(const char* rotX, const char* slant, bool halfSphere) {
  RenderState state;
  ApplyStartupValues(state);
  state.halfSphere = halfSphere ? 1 : 0;
  ShadeInputs inputs;
  inputs.rotX = rotX;
  inputs.slant = slant;
  ImageBuffer picture(kDefaultPictureWidth, kDefaultPictureHeight);
  RunShadeCommand(state, picture, inputs, CNumberFormat(), false);
  return state;
}

TEST(PhotometricEquator, EachSampleIsTheLawAtItsEmissionAngleToTheLimb) {
  const struct {
    const char* rotX;
    const char* slant;
    bool halfSphere;
    double firstAtMost;  // the view's limb
    double lastAtLeast;  // e = 90 where the half sphere ends there, else the view's far limb
  } kRows[] = {{"30", "0", true, -30.0, 89.9},    {"30", "0", false, -30.0, 150.0},
               {"60", "40", true, -60.0, 89.9},   {"0", "30", true, 0.0, 89.9},
               {"45", "60", false, -45.0, 135.0}, {"80", "10", true, -80.0, 89.9}};
  for (const auto& row : kRows) {
    const RenderState state = PassState(row.rotX, row.slant, row.halfSphere);
    const std::vector<ProfileSample> samples =
        PhotometricEquatorProfile(state, kDefaultPictureWidth, kDefaultPictureHeight);
    const std::string name = std::string("rot-x ") + row.rotX + ", slant " + row.slant;
    ASSERT_FALSE(samples.empty()) << name;
    EXPECT_LE(samples.front().distance, row.firstAtMost) << name;
    EXPECT_GE(samples.back().distance, row.lastAtLeast) << name;
    const double g = std::atof(row.slant) * std::numbers::pi / 180.0;
    int worst = 0;
    for (size_t k = 0; k < samples.size(); ++k) {
      const ProfileSample& sample = samples[k];
      // No sample missing inside what the view shows (at its limb a tangent sight may miss),
      // but e = 90 itself, where cos e = 0.
      if (k > 0 && samples[k - 1].distance > samples.front().distance + 1.0 &&
          sample.distance < samples.back().distance - 1.0) {
        const double step = std::fabs(sample.distance - 90.1) < 1e-9 ? 0.2 : 0.1;
        EXPECT_NEAR(sample.distance - samples[k - 1].distance, step, 1e-9) << name;
      }
      EXPECT_NE(std::fabs(sample.distance), 90.0) << name;
      ASSERT_TRUE(sample.readout.has_value()) << name;
      const double e = sample.distance * std::numbers::pi / 180.0;
      const double off = std::fabs(sample.readout->reading.functionPhi - std::cos(e - g));
      if (off > 1e-5) ++worst;
      EXPECT_NEAR(sample.readout->angleE, std::fabs(sample.distance), 0.01) << name;
    }
    EXPECT_EQ(worst, 0) << name;
  }
}

TEST(PhotometricEquator, TheCsvHoldsThePlottedAngle) {
  const std::vector<ProfileSample> samples =
      PhotometricEquatorProfile(PassState("90", "20", true), 393, 337);
  std::istringstream csv(EquatorProfileCsv(samples));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "e,x,y,phi,painted");
  for (const ProfileSample& sample : samples) {
    ASSERT_TRUE(std::getline(csv, line));
    const double e = std::stod(line.substr(0, line.find(',')));
    ASSERT_NEAR(e, sample.distance, 5e-4) << line;
  }
  EXPECT_FALSE(std::getline(csv, line));
}

}  // namespace
