// What the shell script that runs the driver (run-gui-driver.sh) does for it: screenshots of the whole
// screen, folders made unwritable, and the X server's cursor. The driver asks by creating a file, and the
// script answers with another (see run-gui-driver.sh).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace guitest {

// Says that a script answers, for requests under `folder`; without it nothing is asked.
void useScript(const std::wstring& folder);
bool scriptAnswers();

// Saves a picture of the screen as shots\NAME.png; waits until it is taken.
void screenshot(std::string_view name);

// Asks the script (requests\N.req, answered by requests\N.done); its answer, or nullopt when none comes.
std::optional<std::string> askScript(const std::string& request);

}  // namespace guitest
