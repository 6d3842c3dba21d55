#include "shading/readout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "model/angles.h"
#include "photometry/pass_constants.h"
#include "shading/raster_walk.h"

namespace {

constexpr double kDegreesPerRadian = kDegreesPerHalfTurn / kPi;

double DegreesFromCos(float c) {
  return std::acos(std::clamp(static_cast<double>(c), -1.0, 1.0)) * kDegreesPerRadian;
}

// The state of the sample at the centre of pixel (x, y), as the walk of a pass without smoothing
// forms it; false outside the picture.
bool PlaceSample(RenderState& state, int width, int height, int x, int y) {
  if (x < 0 || y < 0 || x >= width || y >= height) return false;
  const RasterFrame frame = MeasureRasterFrame(width, height);
  state.subSample = 0;
  state.px = static_cast<float>(x);
  state.py = static_cast<float>(frame.roundedHeight - y);
  state.dx = static_cast<float>(static_cast<double>(state.px) - frame.cx);
  state.dy = static_cast<float>(static_cast<double>(state.py) - frame.cy);
  return true;
}

Readout MakeReadout(const RenderState& state, const SampleReading& reading) {
  Readout readout;
  readout.angleI = DegreesFromCos(reading.cosI);
  readout.angleE = DegreesFromCos(reading.cosE);
  readout.angleG = static_cast<double>(state.sourceSlant) * kDegreesPerRadian;
  readout.reading = reading;
  return readout;
}

// Fixed-point text with `decimals` digits, "0.000" rather than "-0.000".
std::string Fixed(double value, int decimals) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace

std::optional<Readout> ReadoutAtPixel(const RenderState& lastPass, int width, int height, int x,
                                      int y) {
  RenderState state = lastPass;
  if (!PlaceSample(state, width, height, x, y)) return std::nullopt;
  const std::optional<SampleReading> reading = ReadSample(state, MakePassConstants(state));
  if (!reading) return std::nullopt;
  return MakeReadout(state, *reading);
}

std::optional<Readout> GradientReadoutAtPixel(const RenderState& lastPass, int width, int height,
                                              int x, int y) {
  RenderState state = lastPass;
  if (!PlaceSample(state, width, height, x, y)) return std::nullopt;
  const Gradient gradient = GradientAtOffset(state.dx, state.dy);
  Readout readout = MakeReadout(
      state, ReadSurfacePoint(GradientNormal(gradient), state, MakePassConstants(state)));
  readout.gradient = gradient;
  return readout;
}

std::string ZoneName(const PhiZone& zone) {
  switch (zone.kind) {
    case PhiZoneKind::kBand:
      return "band:" + std::to_string(zone.band);
    case PhiZoneKind::kSelfShadow:
      return "self-shadow";
    case PhiZoneKind::kFringe:
      return "fringe";
    case PhiZoneKind::kDeepShadow:
      return "deep-shadow";
    case PhiZoneKind::kTone:
      break;
  }
  return "tone";
}

std::string FormatReadoutLine(const std::optional<Readout>& readout) {
  if (!readout) return "background";
  const SampleReading& r = readout->reading;
  std::string line = "i=" + Fixed(readout->angleI, 1) + " e=" + Fixed(readout->angleE, 1) +
                     " g=" + Fixed(readout->angleG, 1) + " phi=" + Fixed(r.phi, 3) +
                     " zone=" + ZoneName(r.zone) + " point=" + Fixed(r.surfacePoint.x, 3) + "," +
                     Fixed(r.surfacePoint.y, 3) + "," + Fixed(r.surfacePoint.z, 3);
  if (readout->gradient) {
    line += " p=" + Fixed(readout->gradient->p, 3) + " q=" + Fixed(readout->gradient->q, 3);
  }
  return line;
}
