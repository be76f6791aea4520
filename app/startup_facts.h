// The rules of the two facts about the machine that are settled once at start-up: the UI language,
// from the system's code page, and the Windows family and version, from two texts of the registry.
#pragma once

#include <optional>
#include <string>

namespace votrana {

// The values are fixed: they choose the icon bar's bitmaps and the hover labels' font.
enum class OsVariant {
    Win9x = 0,
    Win98 = 1,
    WinMe = 2,
    Nt40 = 3,
    Nt50 = 4,
    Nt51 = 5,
    Nt60 = 6,
    NtOther = 7,
};

// Japanese exactly for the Shift-JIS code page 932; every other code page gives English.
bool japaneseForCodePage(unsigned codePage);

// The variant from "CurrentVersion" of the NT key (nullopt when the key or the value cannot be read)
// and "ProductName" of the Windows key (nullopt when the key cannot be opened; a value that cannot
// be read counts as empty). Nullopt when neither key tells anything: the variant stays as it was.
std::optional<OsVariant> osVariantFrom(const std::optional<std::string>& ntCurrentVersion,
                                       const std::optional<std::string>& windowsProductName);

bool isWindows95Family(OsVariant variant);

}  // namespace votrana
