#pragma once
// The observer arrow's logic, free of any toolkit: whether a pass shows the arrow and where the
// lower end of its shaft goes, and the blink rule of its timer.

inline constexpr int kDrawModeInvert = 6;  // the line inverts the pixels under it
inline constexpr int kDrawModeNop = 11;    // the line leaves the pixels unchanged

struct ArrowState {
  bool shown = false;
  float shaftLowerY = 0.0F;  // y of the shaft's lower end, picture pixels; meaningful when shown
};

// End of a pass: rotX as stored, and the rotation about Oy in degrees as typed, read as a 32-bit
// float. The arrow shows only for a view not turned about Oy and not tilted beyond 70 degrees.
ArrowState DecideObserverArrow(float rotX, float rotYDegrees);

// One tick of the blink timer: the new drawing mode of all three lines from the shaft's mode.
int NextArrowDrawMode(int shaftMode);
