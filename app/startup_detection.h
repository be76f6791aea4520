// Asks the system, once at start-up, what the program's language, icon set and own path are.
#pragma once

#include "startup_facts.h"

#include <string>

namespace votrana {

bool japaneseUiOfSystem();
// Reads the registry for reading only, so that every user gets the variant of the system.
OsVariant osVariantOfSystem();
// Where the system's search path finds the program's file, or empty.
std::string findProgramPath();

}  // namespace votrana
