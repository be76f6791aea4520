// Settles the UI language and the OS variant at start-up, and then the texts that follow from them.
#pragma once

#include "application.h"

namespace votrana {

void detectUiLanguage(StartupFacts& facts);
// Reads the registry for reading only, so that every user gets the variant of the system.
void detectOsVariant(StartupFacts& facts);
// The program's own path, the readme's path and the dialog titles, for the UI language.
void prepareStartupTexts(Application& app);

}  // namespace votrana
