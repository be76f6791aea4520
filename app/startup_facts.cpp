#include "startup_facts.h"

#include <string_view>

namespace votrana {

namespace {

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

OsVariant ntVariantFrom(std::string_view currentVersion)
{
    if (contains(currentVersion, "4.0")) {
        return OsVariant::Nt40;
    }
    if (contains(currentVersion, "5.0")) {
        return OsVariant::Nt50;
    }
    if (contains(currentVersion, "5.1") || contains(currentVersion, "5.2")) {
        return OsVariant::Nt51;
    }
    if (contains(currentVersion, "6.0") || contains(currentVersion, "6.1")) {
        return OsVariant::Nt60;
    }
    return OsVariant::NtOther;
}

OsVariant windows95VariantFrom(std::string_view productName)
{
    if (contains(productName, "Windows ME")) {
        return OsVariant::WinMe;
    }
    if (contains(productName, "Windows 98")) {
        return OsVariant::Win98;
    }
    return OsVariant::Win9x;
}

}  // namespace

bool japaneseForCodePage(unsigned codePage)
{
    return codePage == 932;
}

std::optional<OsVariant> osVariantFrom(const std::optional<std::string>& ntCurrentVersion,
                                       const std::optional<std::string>& windowsProductName)
{
    if (ntCurrentVersion) {
        return ntVariantFrom(*ntCurrentVersion);
    }
    if (windowsProductName) {
        return windows95VariantFrom(*windowsProductName);
    }
    return std::nullopt;
}

bool isWindows95Family(OsVariant variant)
{
    return variant == OsVariant::Win9x || variant == OsVariant::Win98 || variant == OsVariant::WinMe;
}

}  // namespace votrana
