#pragma once
// Observed points of a phase curve, read from a CSV text: a header naming the columns,
// "g,brightness" or "g,magnitude", with ",sigma" when each point has its standard error, then a
// row a point (the phase angle in degrees, 0 to 180; the disc's brightness, above 0, on the
// geometric albedo's scale, or its reduced magnitude; sigma above 0). Numbers as C writes them
// ("." for the decimal point). Blank lines and lines starting with "#" (a source, a note) are
// skipped. Every bad line is a message naming the file, the line and what is wrong, and a text
// with any bad line gives no points at all.
//
//   file's bytes (at most kMaxObservationBytes) -> ReadObservations -> points | messages

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/message.h"

inline constexpr size_t kMaxObservationBytes = 1 << 20;
inline constexpr size_t kMaxObservations = 10000;
// Messages past this many stop the check, the last one saying so.
inline constexpr size_t kMaxObservationMessages = 20;

enum class ObservedQuantity { kBrightness, kMagnitude };

struct Observation {
  double degrees = 0.0;
  double value = 0.0;
  double sigma = 0.0;  // 0 in a file without sigma
};

struct ObservationSet {
  ObservedQuantity quantity = ObservedQuantity::kBrightness;
  bool weighted = false;  // the file gives sigma
  std::vector<Observation> points;
};

using ObservationReading = std::variant<ObservationSet, std::vector<Message>>;

// `fileName` names the file in the messages.
ObservationReading ReadObservations(std::string_view text, const std::string& fileName);

// A file too large to read: the message naming it.
Message ObservationFileTooLarge(const std::string& fileName);
