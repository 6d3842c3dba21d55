#pragma once
// The program's pi and its conversions from degrees to radians.

inline constexpr double kPi = 3.14159;  // the program's pi, in every angle and constant
inline constexpr double kDegreesPerHalfTurn = 180.0;

// Degrees times pi over 180, in 64 bits: the radian value before it is stored.
constexpr double RadiansInDouble(double degrees) { return degrees * kPi / kDegreesPerHalfTurn; }

// A constant given as degrees times pi, in radians: divided by 180 and stored as a 32-bit float.
constexpr float DividedByHalfTurn(double constant) {
  return static_cast<float>(constant / kDegreesPerHalfTurn);
}

// The radian value of `degrees`, stored as a 32-bit float.
constexpr float RadiansFromDegrees(double degrees) {
  return static_cast<float>(RadiansInDouble(degrees));
}
