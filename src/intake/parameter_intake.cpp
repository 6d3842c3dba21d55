#include "intake/parameter_intake.h"

#include <utility>

#include "intake/input_messages.h"
#include "model/angles.h"
#include "photometry/light_source.h"

namespace {

// A right angle typed as the rotation about Ox or Oz would turn the line of sight parallel to the
// picture's depth axis; these slightly smaller angles (89.85 and 89.6 degrees, times pi) stand in
// for it.
constexpr double kRotXRightAngleStandIn = 282.2718615;
constexpr double kRotZRightAngleStandIn = 281.486464;
constexpr double kRightAngleDegrees = 90.0;

InputError MakeInputError(ShadeField field, const std::string& text, NumberError error,
                          const NumberFormat& format) {
  Message said = ParameterSaid(field, text, error, format);
  std::string message = RussianText(said);
  return InputError{field, text, error, std::move(message), std::move(said)};
}

// The values of one intake, held apart from the RenderState until every text has read.
struct ShadeParameters {
  float rotX = 0.0F;
  float rotY = 0.0F;
  float rotZ = 0.0F;
  float sourceSlant = 0.0F;
  double glossS = 0.0;
  double glossN = 0.0;
};

class ParameterReader {
 public:
  explicit ParameterReader(const NumberFormat& format) : format_(format) {}

  const std::optional<InputError>& Error() const { return error_; }

  float Float(ShadeField field, const std::string& text) {
    return Take(field, text, ReadFloat(text, format_));
  }
  double Double(ShadeField field, const std::string& text) {
    return Take(field, text, ReadDouble(text, format_));
  }
  // A text wanted at both widths; its error is that of the first width that does not read.
  WideAndNarrowReading DoubleAndFloat(ShadeField field, const std::string& text) {
    const WideAndNarrowReading reading = ReadDoubleAndFloat(text, format_);
    if (!error_ && reading.Error() != NumberError::kNone) {
      error_ = MakeInputError(field, text, reading.Error(), format_);
    }
    return reading;
  }
  // A source's angle, stored in radians: its radian value must fit a 32-bit float too.
  float SourceRadians(ShadeField field, const std::string& text) {
    return RadiansFromDegrees(Take(field, text, ReadAngleDegrees(text, format_)));
  }

 private:
  template <typename T>
  T Take(ShadeField field, const std::string& text, const NumberReading<T>& reading) {
    if (error_) return T{};
    if (!reading.Ok()) {
      error_ = MakeInputError(field, text, reading.error, format_);
      return T{};
    }
    return reading.value;
  }

  const NumberFormat& format_;
  std::optional<InputError> error_;
};

// The value of a text that need not read: the value it reads as, or `kept` when it does not read,
// which is then noted in `unread`.
double ReadOrKeep(ShadeField field, const std::string& text, const NumberFormat& format,
                  double kept, std::vector<InputError>& unread) {
  const NumberReading<double> reading = ReadDouble(text, format);
  if (reading.Ok()) return reading.value;
  unread.push_back(MakeInputError(field, text, reading.error, format));
  return kept;
}

float RotXFromDegrees(float degrees) {
  if (degrees == static_cast<float>(kRightAngleDegrees)) {
    return DividedByHalfTurn(kRotXRightAngleStandIn);
  }
  if (degrees == static_cast<float>(-kRightAngleDegrees)) {
    return DividedByHalfTurn(-kRotXRightAngleStandIn);
  }
  return RadiansFromDegrees(degrees);
}

// The right angle about Oz is recognised on its 64-bit value; any other value is taken as 32-bit.
float RotZFromDegrees(double exactDegrees, float degrees) {
  if (exactDegrees == kRightAngleDegrees) return DividedByHalfTurn(kRotZRightAngleStandIn);
  if (exactDegrees == -kRightAngleDegrees) return DividedByHalfTurn(-kRotZRightAngleStandIn);
  return RadiansFromDegrees(degrees);
}

}  // namespace

bool NeedsGlossParameters(int32_t reflectanceKind) { return reflectanceKind == kGlossy; }

ShadeIntakeOutcome ReadShadeParameters(RenderState& state, const ShadeInputs& inputs,
                                       const NumberFormat& format) {
  ParameterReader reader(format);
  ShadeParameters params;
  ShadeIntake intake;
  params.rotX = RotXFromDegrees(reader.Float(ShadeField::kRotX, inputs.rotX));
  intake.rotYDegrees = reader.Float(ShadeField::kRotY, inputs.rotY);
  params.rotY = RadiansFromDegrees(intake.rotYDegrees);
  const WideAndNarrowReading rotZ = reader.DoubleAndFloat(ShadeField::kRotZ, inputs.rotZ);
  params.rotZ = RotZFromDegrees(rotZ.wide.value, rotZ.narrow.value);
  params.sourceSlant = reader.SourceRadians(ShadeField::kSlant, inputs.slant);
  if (NeedsGlossParameters(state.reflectanceKind)) {
    params.glossS = reader.Double(ShadeField::kGlossS, inputs.glossS);
    params.glossN = reader.Double(ShadeField::kGlossN, inputs.glossN);
  } else {
    params.glossS = ReadOrKeep(ShadeField::kGlossS, inputs.glossS, format, state.glossS,
                               intake.keptGlossFields);
    params.glossN = ReadOrKeep(ShadeField::kGlossN, inputs.glossN, format, state.glossN,
                               intake.keptGlossFields);
  }
  if (reader.Error()) return *reader.Error();

  state.rotX = params.rotX;
  state.rotY = params.rotY;
  state.rotZ = params.rotZ;
  state.glossS = params.glossS;
  state.glossN = params.glossN;
  AimLightSource(state, params.sourceSlant);
  if (state.reflectanceKind == kMirror) {
    state.mirrorTolerance = MirrorToleranceForSlant(state.sourceSlant);
  }
  return intake;
}
