#include "pass/readout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "model/angles.h"
#include "pass/raster_walk.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"

namespace {

constexpr double kDegreesPerRadian = kDegreesPerHalfTurn / kPi;

double DegreesFromCos(float c) {
  return std::acos(std::clamp(static_cast<double>(c), -1.0, 1.0)) * kDegreesPerRadian;
}

// Values from here on are written in scientific form, so that no field grows without bound.
constexpr double kScientificFrom = 1e6;

}  // namespace

std::optional<RenderState> SampleAtPixel(const RenderState& lastPass, int width, int height, int x,
                                         int y) {
  if (x < 0 || y < 0 || x >= width || y >= height) return std::nullopt;
  RenderState state = lastPass;
  const RasterFrame frame = MeasureRasterFrame(width, height);
  state.subSample = 0;
  state.px = static_cast<float>(x);
  state.py = static_cast<float>(frame.roundedHeight - y);
  state.dx = static_cast<float>(static_cast<double>(state.px) - frame.cx);
  state.dy = static_cast<float>(static_cast<double>(state.py) - frame.cy);
  return state;
}

Readout MakeReadout(const RenderState& state, const SampleReading& reading) {
  Readout readout;
  readout.angleI = DegreesFromCos(reading.cosI);
  readout.angleE = DegreesFromCos(reading.cosE);
  readout.angleG = PhaseAngle(state.sourceSlant) * kDegreesPerRadian;
  readout.reading = reading;
  return readout;
}

std::optional<Readout> ReadoutAtPixel(const RenderState& lastPass, int width, int height, int x,
                                      int y) {
  const std::optional<RenderState> state = SampleAtPixel(lastPass, width, height, x, y);
  if (!state) return std::nullopt;
  const std::optional<SampleReading> reading = ReadSample(*state, MakePassConstants(*state));
  if (!reading) return std::nullopt;
  return MakeReadout(*state, *reading);
}

bool PaintedPhiDiffers(const SampleReading& reading) {
  if (std::isnan(reading.functionPhi) && std::isnan(reading.phi)) return false;
  return reading.functionPhi != reading.phi;
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

// Fixed-point text with `decimals` digits, "0.000" rather than "-0.000"; "inf", "-inf" and
// "nan" for values that are not finite, and "1.000e+06" from a million on.
std::string ReadoutNumber(double value, int decimals) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0.0 ? "inf" : "-inf";
  std::array<char, 64> buffer{};
  const auto format = std::fabs(value) >= kScientificFrom ? std::chars_format::scientific
                                                          : std::chars_format::fixed;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, decimals);
  std::string text(buffer.data(), result.ptr);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string FormatReadoutLine(const std::optional<Readout>& readout) {
  if (!readout) return "background";
  const SampleReading& r = readout->reading;
  std::string line =
      "i=" + ReadoutNumber(readout->angleI, 1) + " e=" + ReadoutNumber(readout->angleE, 1) +
      " g=" + ReadoutNumber(readout->angleG, 1) + " phi=" + ReadoutNumber(r.functionPhi, 3) +
      " painted=" + ReadoutNumber(r.phi, 3) + " zone=" + ZoneName(r.zone) +
      " point=" + ReadoutNumber(r.surfacePoint.x, 3) + "," + ReadoutNumber(r.surfacePoint.y, 3) +
      "," + ReadoutNumber(r.surfacePoint.z, 3);
  if (readout->gradient) {
    line += " p=" + ReadoutNumber(readout->gradient->p, 3) +
            " q=" + ReadoutNumber(readout->gradient->q, 3);
  }
  return line;
}

std::string FormatSourcePhis(const std::vector<float>& phis) {
  // The described source's phi is the line's "phi"; the others are numbered from 2.
  constexpr size_t kFirstExtraNumber = 2;
  std::string text;
  for (size_t k = 0; k < phis.size(); ++k) {
    text += " phi" + std::to_string(k + kFirstExtraNumber) + "=" + ReadoutNumber(phis[k], 3);
  }
  return text;
}
