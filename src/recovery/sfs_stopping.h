#pragma once
// When shape from shading stops. Neither iteration need reach a fixed point on a real image:
// where no height fits a cell's brightness (a steep outline, a shadow's edge) the steps go on
// pushing a little for ever, and Tsai and Shah's drifts away again after its best. So a run
// stops at the first of:
// - the mean change of a height in an iteration at most `settled` (SfsOptions) of the spacing;
// - the mean brightness error over the lit cells no longer falling: less than kSfsStall of it
//   (relatively) gone over the last kSfsStallWindow iterations;
// - the cap of iterations.

inline constexpr double kSfsStall = 0.01;
inline constexpr int kSfsStallWindow = 10;

class SfsStopping {
 public:
  explicit SfsStopping(double settledChange) : settledChange_(settledChange) {}

  // After each iteration: the mean change of a height (in the heights' units) and the mean
  // brightness error |E - R| over the lit cells, both of that iteration.
  bool Settled(double meanChange, double meanError) {
    if (meanChange <= settledChange_) return true;
    if (++taken_ % kSfsStallWindow != 0) return false;
    const bool stalled = windowError_ >= 0.0 && meanError > (1.0 - kSfsStall) * windowError_;
    windowError_ = meanError;
    return stalled;
  }

 private:
  double settledChange_;
  double windowError_ = -1.0;  // the error kSfsStallWindow iterations ago; none yet
  int taken_ = 0;
};
