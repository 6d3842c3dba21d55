#pragma once
// The window program's command line, read before QApplication opens the platform: --help and
// --version answer without a display, and a wrong option or a stray word is refused with exit
// status 2 instead of the platform's abort. Qt's own options (-platform, -style, ...) are
// accepted here and left in argv for QApplication to take. --language ru|en chooses the texts'
// language for this run, over the one remembered. One word may follow: a setup file to open at
// start.

#include <QString>
#include <optional>

#include "app/language/language.h"

// Prints the help or the version to standard output (status 0), or what is wrong to standard
// error (status 2), and returns the exit status; nothing when the window should open, with
// `setupFile` the setup named, or empty, and `language` the one asked for, if any.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, QString& setupFile,
                                     std::optional<Language>& language);

// Whether the command line names the main window's geometry (Qt's -geometry or
// -qwindowgeometry), which Qt then applies as the window is first shown.
bool AsksWindowGeometry(int argc, const char* const* argv);
