// The language of the tool's messages, from the locale variables.
#pragma once

namespace votrana {

// Japanese when the first of LC_ALL, LC_MESSAGES and LANG that is set (and not empty) starts with "ja".
bool japaneseLocale(const char* lcAll, const char* lcMessages, const char* lang);
bool japaneseFromEnvironment();

}  // namespace votrana
