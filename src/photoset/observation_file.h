#pragma once
// A file of observed phase-curve points (curves/observations.h) read whole, at most
// kMaxObservationBytes, through the same guarded open as a photo set's lists (a FIFO or a device
// is refused before a byte is read): the points, or the messages that name the file and each bad
// line. Nothing is kept from a file that does not read.

#include <QString>
#include <variant>
#include <vector>

#include "curves/observations.h"
#include "model/message.h"

ObservationReading ReadObservationFile(const QString& path);
