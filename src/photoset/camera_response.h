#pragma once
// camera_response.txt, optional in a photo set: how the camera's values stand for light, so that
// photographs as they come (gamma-encoded, or through a measured response) are made linear
// before the images are recovered. One number a line:
//   one line, G          a gamma: linear = value^G, the value over the format's full scale
//                        (2.2 for the usual encoding of 8-bit photographs), 0 < G <= 10
//   two lines or more    a table: the linear values of camera values evenly from 0 to full
//                        scale, read between entries linearly; finite, at least 0, never falling
// No file: the values are taken as linear, as they always were.

#include <QDir>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "model/message.h"

inline const QString kResponseFile = QStringLiteral("camera_response.txt");
// A table longer than one entry a 16-bit value is not a response.
inline constexpr size_t kMaxResponseEntries = 65536;
inline constexpr double kMaxGamma = 10.0;

class CameraResponse {
 public:
  static CameraResponse Gamma(double gamma);
  static CameraResponse Table(std::vector<double> linear);

  // The linear value of `value`, a camera value over its full scale (0 to 1).
  double Linear(double value) const;

 private:
  double gamma_ = 1.0;
  std::vector<double> table_;  // empty for a gamma
};

// The folder's response; none when it has no camera_response.txt; the message of one that does
// not read (naming its line).
std::variant<std::optional<CameraResponse>, Message> ReadCameraResponse(const QDir& folder);
