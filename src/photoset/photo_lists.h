#pragma once
// The text lists of a photo set: filenames.txt, light_directions.txt and light_intensities.txt.
// Each is read whole (checked, at most kMaxListFileBytes), as UTF-8; blank lines are skipped but
// counted, so that a message names the line as an editor shows it.

#include <QDir>
#include <QString>
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "gradient/light_sources.h"
#include "model/message.h"

inline const QString kNamesFile = QStringLiteral("filenames.txt");
inline const QString kDirectionsFile = QStringLiteral("light_directions.txt");
inline const QString kIntensitiesFile = QStringLiteral("light_intensities.txt");

// A line that is not blank: its number in the file (from 1) and its text without surrounding
// blanks (a Windows line end included).
struct ListLine {
  int number = 0;
  QString text;
};

// The lines of list `name` in `folder`, or the message of one that is missing or does not read.
std::variant<std::vector<ListLine>, Message> ReadListFile(const QDir& folder, const QString& name);

// One light an image from light_directions.txt: "x y z", finite, not all zero, z > 0, as aims.
std::variant<std::vector<LightAim>, Message> ReadLightDirections(const QDir& folder,
                                                                 size_t imageCount);

// The r g b intensity of each image from light_intensities.txt, each finite and above 0; all 1
// when the folder has no such list.
using ChannelIntensity = std::array<double, 3>;
std::variant<std::vector<ChannelIntensity>, Message> ReadLightIntensities(const QDir& folder,
                                                                          size_t imageCount);
