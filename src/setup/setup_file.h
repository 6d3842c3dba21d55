#pragma once
// The setup file: a Setup as indented JSON text, and back. JSON rather than an INI file through
// QSettings because a setup holds nested lists (the sources, the legend's rows, a formula's
// parameters) and numbers that must keep their type and every digit; QSettings' INI flattens
// lists into strings and reads every number back as text.
//
//   {"program": "gauss-sphere", "version": 1, "sphere": {...}, "law": {...}, "picture": {...},
//    "map": {...}, "surface": {...}, "windows": {...}, "curves": {...}}
//
// Keys are written in a fixed (alphabetical) order, one a line, so that a diff between two setups
// reads. Numbers are written in the C format with the fewest digits that read back to the same
// value, a 32-bit value as a float. A key missing from a file takes the start-up value; the keys
// added after the first files (picture.autoExposure, the curves section) are written only when
// set, so that a file using none of them is the file the first version wrote.
//
// Reading checks the whole file before anything uses it: a file that does not read, another
// version, a bad value, a key written twice, a text holding a NUL or a key that cannot be
// ignored is a message naming the file, the key and the reason; so is a file that is
// not a regular file (a FIFO is refused without waiting for a writer). Keys this version does
// not know where a newer version may add them (a new section, a new key in a section) are left
// out with one warning line naming them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "model/message.h"
#include "setup/setup.h"

inline constexpr const char* kSetupProgram = "gauss-sphere";
inline constexpr int kSetupVersion = 1;
// A setup is a few kilobytes: a larger file is refused before it is read.
inline constexpr qint64 kMaxSetupFileBytes = 1024 * 1024;
inline constexpr const char* kSetupSuffix = "gsetup";

QByteArray WriteSetup(const Setup& setup);

struct SetupReading {
  Setup setup;
  QString warning;                     // one line in Russian, or empty
  std::optional<Message> warningSaid;  // the same warning, for the language in use
  QStringList unknownKeys;             // the keys the warning names
};

// The setup read, or the message that says why it was refused: as a message (model/message.h)
// for the language in use, or as its Russian text.
using SetupSaidOutcome = std::variant<SetupReading, Message>;
using SetupOutcome = std::variant<SetupReading, QString>;

// Reads `bytes`; `fileName` names the file in messages, and its folder is where relative paths of
// the surface's files are found.
SetupSaidOutcome ReadSetupSaid(const QByteArray& bytes, const QString& fileName);
SetupOutcome ReadSetup(const QByteArray& bytes, const QString& fileName);

// Reads the file at `path`, a resource's path (":/...") too.
SetupSaidOutcome ReadSetupFileSaid(const QString& path);
SetupOutcome ReadSetupFile(const QString& path);
