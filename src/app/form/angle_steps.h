#pragma once
// Stepping an angle box by a few degrees: Up and Down or the mouse wheel over a rotation or slant
// box, and a drag on the sphere or the map. The box keeps the user's number format, and a step
// of 0.1 leaves no binary noise behind ("30.1", not "30.100000000000001").

#include <QtCore/qnamespace.h>

#include <QString>
#include <optional>

inline constexpr double kAngleStep = 1.0;        // Up, Down, one wheel notch
inline constexpr double kCoarseAngleStep = 10;   // with Shift
inline constexpr double kFineAngleStep = 0.1;    // with Ctrl
inline constexpr double kDegreesPerPixel = 0.5;  // dragging

// The size of one step with these keys held: Ctrl is fine, Shift coarse, Ctrl wins over Shift.
double AngleStepFor(Qt::KeyboardModifiers modifiers);

// The text of a box holding `text` after adding `degrees`, in the user's number format; none
// where the text does not read as a number, so that a step leaves it as it is.
std::optional<QString> SteppedAngleText(const QString& text, double degrees);
