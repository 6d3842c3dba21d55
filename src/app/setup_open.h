#pragma once
// Reading a setup file for the window: ReadSetupFile (setup/setup_file.h) with its refusal or its
// warning in the language in use (messages/translated_message.h).

#include "setup/setup_file.h"

SetupOutcome OpenSetupFile(const QString& path);
