// The About box and the readme document.
#pragma once

#include "application.h"

namespace votrana {

void showAboutDialog(Application& app);
// Opens the readme of the UI language in the system's program for PDF documents.
void openHelpFile(Application& app);

}  // namespace votrana
