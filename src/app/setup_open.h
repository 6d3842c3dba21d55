#pragma once
// Reading a setup file for the window: ReadSetupFile (setup/setup_file.h) with its refusal or its
// warning in the language in use. The setup library composes them in Russian, as the renderer
// prints them; the window takes them apart by their templates (app/language/core_messages.h).

#include "setup/setup_file.h"

SetupOutcome OpenSetupFile(const QString& path);
