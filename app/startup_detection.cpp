#include "startup_detection.h"

#include "program_files.h"
#include "utf16.h"

#include <windows.h>

#include <optional>
#include <string>

namespace votrana {

namespace {

class RegistryKey {
public:
    explicit RegistryKey(const wchar_t* path)
    {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }

    bool opened() const { return key_ != nullptr; }

    // A text value; nullopt when it cannot be read as text.
    std::optional<std::string> text(const wchar_t* name) const
    {
        DWORD type = 0;
        DWORD size = 0;
        if (key_ == nullptr || RegQueryValueExW(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        value.resize(value.find(L'\0'));
        return toUtf8(value);
    }

private:
    HKEY key_ = nullptr;
};

std::optional<std::string> ntCurrentVersion()
{
    const RegistryKey key(LR"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)");
    return key.text(L"CurrentVersion");
}

// Nullopt when the key cannot be opened; an unreadable value counts as empty.
std::optional<std::string> windowsProductName()
{
    const RegistryKey key(LR"(SOFTWARE\Microsoft\Windows\CurrentVersion)");
    if (!key.opened()) {
        return std::nullopt;
    }
    return key.text(L"ProductName").value_or(std::string());
}

}  // namespace

std::string findProgramPath()
{
    const std::wstring name = toWide(programFileName);
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            SearchPathW(nullptr, name.c_str(), nullptr, static_cast<DWORD>(path.size()), path.data(), nullptr);
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return toUtf8(path);
        }
        path.assign(length, L'\0');
    }
}

bool japaneseUiOfSystem()
{
    return japaneseForCodePage(GetACP());
}

OsVariant osVariantOfSystem()
{
    std::optional<std::string> version = ntCurrentVersion();
    std::optional<std::string> productName;
    if (!version) {
        productName = windowsProductName();
    }
    // When neither key tells anything: Windows 95 itself.
    return osVariantFrom(version, productName).value_or(OsVariant::Win9x);
}

}  // namespace votrana
