#include "photometry/sample_colour.h"

#include <cmath>

namespace {

constexpr float kGreyScale = 255.0F;

// The painted sums are lowered to 255 where they exceed it; they have no lower limit.
int32_t LimitAbove(int32_t c) { return c > kComponentMax ? kComponentMax : c; }

// Sub-samples 0 and 1 start the sums afresh; 2 to 4 add to what the earlier samples left.
bool StartsSums(const RenderState& state) { return state.subSample < 2; }

void SetSums(RenderState& state, Rgb colour) {
  state.sumR = colour.r;
  state.sumG = colour.g;
  state.sumB = colour.b;
}

void AddToSums(RenderState& state, Rgb colour) {
  state.sumR += colour.r;
  state.sumG += colour.g;
  state.sumB += colour.b;
}

void PutZoneColour(RenderState& state, Rgb colour) {
  if (StartsSums(state)) {
    SetSums(state, colour);
  } else {
    AddToSums(state, colour);
  }
}

}  // namespace

int32_t GreyLevel(float phi) {
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(phi) * kGreyScale));
}

std::optional<int> FindIsoBand(float phi, const PassConstants& pass) {
  for (int k = 0; k < kIsoBandCount; ++k) {
    if (pass.bandLo[k] <= phi && phi <= pass.bandHi[k]) return k;
  }
  return std::nullopt;
}

PhiZone ZoneOfPhi(float phi, const PassConstants& pass) {
  if (phi >= 0.0F) {
    if (const std::optional<int> band = FindIsoBand(phi, pass)) {
      return {PhiZoneKind::kBand, *band};
    }
    return {phi <= pass.selfShadowTop ? PhiZoneKind::kSelfShadow : PhiZoneKind::kTone};
  }
  // Written so that a NaN phi fails the test and lands in deep shadow.
  if (pass.fringeBottom <= phi && phi <= pass.selfShadowTop) return {PhiZoneKind::kFringe};
  return {PhiZoneKind::kDeepShadow};
}

float ExposedTone(float functionPhi, double exposure) {
  const float tone = static_cast<float>(exposure * static_cast<double>(functionPhi));
  return tone > 1.0F ? 1.0F : tone;
}

void ColourSample(float phi, float tone, IsolineStyle style, const PassConstants& pass,
                  RenderState& state) {
  const PhiZone zone = ZoneOfPhi(phi, pass);
  switch (zone.kind) {
    case PhiZoneKind::kFringe:
      PutZoneColour(state, kShadowFringe);
      return;
    case PhiZoneKind::kDeepShadow:
      PutZoneColour(state, kDeepShadow);
      return;
    default:
      break;
  }
  const int32_t greyLevel = GreyLevel(tone);
  PutZoneColour(state, Rgb{greyLevel, greyLevel, greyLevel});
  if (zone.kind == PhiZoneKind::kBand) {
    if (pass.bandsAsLines) return;
    AddToSums(state, style == IsolineStyle::kGreyLift ? kIsoBandLift : kIsoBandTint[zone.band]);
  } else if (zone.kind == PhiZoneKind::kSelfShadow) {
    // Sample 1 replaces its grey tone; later samples add the zone colour on top of theirs.
    PutZoneColour(state, kSelfShadowZone);
  }
}

void AddBackgroundSample(RenderState& state) {
  if (state.subSample == 0) return;
  AddToSums(state, Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
}

Rgb LimitSums(RenderState& state) {
  state.sumR = LimitAbove(state.sumR);
  state.sumG = LimitAbove(state.sumG);
  state.sumB = LimitAbove(state.sumB);
  return Rgb{state.sumR, state.sumG, state.sumB};
}

void PaintSample(RenderState& state, Picture& picture) {
  // Formed before the size is read: the colour travels to SetPixel as one 64-bit word plus one
  // 32-bit word, and reading the word right after storing its halves would stall.
  const Rgb colour = LimitSums(state);
  const int height = picture.Height();
  const float row = static_cast<float>(height) - state.py;
  PaintPixel(picture, picture.Width(), height, state.px, row, colour);
}
