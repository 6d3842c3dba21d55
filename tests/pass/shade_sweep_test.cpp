// A randomised sweep over everything the intake accepts: every pass completes, paints only inside
// the picture, and paints only colours the shaders can produce.

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "model/startup_values.h"
#include "recorded_pass.h"

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kPasses = 48;

std::string Text(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

class Sweep {
 public:
  explicit Sweep(unsigned seed) : random_(seed) {}

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <typename T, size_t N>
  T Pick(const std::array<T, N>& values) {
    return values[static_cast<size_t>(Integer(0, N - 1))];
  }

  // Mostly ordinary angles, sometimes the right angles and extremes the intake treats specially.
  std::string Angle() {
    static constexpr std::array<const char*, 8> kSpecial = {"90", "-90",     "0",    "180",
                                                            "-0", "89.9999", "1e30", "360.5"};
    if (Integer(0, 4) == 0) return Pick(kSpecial);
    return Text(Uniform(-400.0, 400.0));
  }

  PassSetup Next() {
    PassSetup setup;
    setup.inputs.rotX = Angle();
    setup.inputs.rotY = Integer(0, 2) == 0 ? "0" : Angle();
    setup.inputs.rotZ = Angle();
    setup.inputs.slant = Angle();
    setup.inputs.glossS = Text(Uniform(-2.0, 3.0));
    static constexpr std::array<const char*, 4> kExponents = {"0", "-3", "1e300", "0.5"};
    setup.inputs.glossN = Integer(0, 3) == 0 ? Pick(kExponents) : Text(Uniform(0.0, 200.0));
    setup.reflectanceKind = Integer(kMatte, kMirror);
    setup.showIsolines = static_cast<int16_t>(Integer(0, 1));
    setup.halfSphere = static_cast<int16_t>(Integer(0, 1));
    setup.smoothing = Integer(0, 1) == 1;
    setup.width = Integer(0, 1) == 0 ? Integer(0, 24) : Integer(150, 230);
    setup.height = Integer(0, 1) == 0 ? Integer(0, 24) : Integer(150, 230);
    return setup;
  }

  void Legend(RenderState& state) {
    for (int k = 0; k < kIsoBandCount; ++k) {
      state.isoLevel[k] = static_cast<float>(Uniform(-0.2, 1.2));
      state.isoHalfWidth[k] = static_cast<float>(Uniform(-0.01, 0.05));
    }
  }

 private:
  std::mt19937 random_;
};

// Every colour a single sample can paint: a grey tone (lifted or not), a grey tone with one
// band's tint, each component limited to 255, or a zone colour.
class ShaderColours {
 public:
  ShaderColours() : known_(size_t{1} << 24, false) {
    static constexpr std::array<Rgb, kIsoBandCount + 1> kTints{{
        {0, 0, 0},
        {40, 0, 0},
        {40, 20, 0},
        {37, 40, 0},
        {0, 40, 0},
        {0, 30, 40},
        {0, 0, 40},
        {25, 0, 40},
    }};
    for (int grey = 0; grey <= 255; ++grey) {
      for (const Rgb& tint : kTints) {
        Add(Rgb{grey + tint.r, grey + tint.g, grey + tint.b});
      }
    }
    Add(Rgb{96, 0, 52});
    Add(Rgb{175, 0, 91});
  }

  bool Holds(Rgb colour) const { return known_[Key(colour)]; }

 private:
  static size_t Key(Rgb c) {
    const auto limit = [](int32_t v) { return static_cast<size_t>(v > 255 ? 255 : v); };
    return limit(c.r) | limit(c.g) << 8 | limit(c.b) << 16;
  }
  void Add(Rgb colour) { known_[Key(colour)] = true; }

  std::vector<bool> known_;
};

TEST(ShadeSweep, EveryAcceptedInputShadesWithinTheContract) {
  const ShaderColours shaderColours;
  Sweep sweep(kSeed);
  int passes = 0;
  for (int i = 0; i < kPasses; ++i) {
    const PassSetup setup = sweep.Next();
    RenderState initial;
    ApplyStartupValues(initial);
    sweep.Legend(initial);
    SCOPED_TRACE("pass " + std::to_string(i) + ": " + setup.Describe());
    const PassResult pass = RunPass(setup, initial);
    if (!std::holds_alternative<ShadePass>(pass.outcome)) {
      ADD_FAILURE() << std::get<InputError>(pass.outcome).message;
      continue;
    }
    ++passes;
    const RecordedPicture& picture = pass.picture;
    EXPECT_EQ(picture.contractBreaches, 0);
    if (setup.smoothing) continue;  // an average of four samples may be any colour
    int foreign = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (picture.Painted(x, y) && !shaderColours.Holds(picture.At(x, y))) ++foreign;
      }
    }
    EXPECT_EQ(foreign, 0);
  }
  EXPECT_EQ(passes, kPasses);
}

}  // namespace
