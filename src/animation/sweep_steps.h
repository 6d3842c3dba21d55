#pragma once
// The steps of a sweep, shared by the renderer's --sweep and the window's «Анимация…»: FRAMES
// values of one setting spaced evenly from FROM to TO, both ends included, and the numbered file
// of each frame when the frames are written as PNG files ("name_%03d.png"). No Qt.

#include <cstddef>
#include <optional>
#include <string>

inline constexpr int kMinSweepFrames = 2;
inline constexpr int kMaxSweepFrames = 600;

// The setting's value at frame `frame` (0 to frames - 1) of a sweep from `from` to `to`.
double SweepValue(double from, double to, int frames, int frame);

// How many printf fields of a whole number ("%d", "%03d") `pattern` holds.
int FrameFieldCount(const std::string& pattern);

// "name_%03d.png" with frame 7 -> "name_007.png"; a pattern without a field is returned as it is.
// The number takes as many characters as the field's width asks ("%40d": 40), never cut, so
// that no two frames share a name.
std::string FramePath(const std::string& pattern, int frame);

// The longest a file's own name (without its folders) can be on the systems the program runs on.
inline constexpr size_t kMaxFileNameBytes = 255;

// Why `frames` frames named by `pattern` cannot all be written, found before any is: a frame
// whose own name is longer than kMaxFileNameBytes (the system would refuse it after earlier
// frames were written), or two frames that land on one file ("a%d/../f.png"). Nothing when each
// frame has a file of its own.
struct FrameNameProblem {
  enum Kind { kTooLong, kShared } kind = kTooLong;
  std::string name;  // the frame's name, as the pattern makes it
  int frame = 0;     // the frame, and for kShared the earlier one that has the same file
  int earlier = 0;
};
std::optional<FrameNameProblem> CheckFrameNames(const std::string& pattern, int frames);
