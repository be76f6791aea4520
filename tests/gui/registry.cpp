#include "registry.h"

#include <windows.h>

namespace guitest {

namespace {

bool setOrRemove(const wchar_t* keyPath, const wchar_t* name, const std::optional<std::wstring>& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LSTATUS status = ERROR_SUCCESS;
    if (value) {
        status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                                static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    } else {
        status = RegDeleteValueW(key, name);
        if (status == ERROR_FILE_NOT_FOUND) {
            status = ERROR_SUCCESS;
        }
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool removeClassesKey(const wchar_t* name)
{
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, name);
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
        RegDeleteKeyW(HKEY_CLASSES_ROOT, name);
    }
    HKEY key = nullptr;
    const bool gone = RegOpenKeyExW(HKEY_CLASSES_ROOT, name, 0, KEY_READ, &key) != ERROR_SUCCESS;
    if (!gone) {
        RegCloseKey(key);
    }
    return gone;
}

}  // namespace

bool setOsVersionValues(const OsVersionValues& values)
{
    const bool nt =
        setOrRemove(LR"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)", L"CurrentVersion", values.ntCurrentVersion);
    const bool windows =
        setOrRemove(LR"(SOFTWARE\Microsoft\Windows\CurrentVersion)", L"ProductName", values.productName);
    return nt && windows;
}

OsVersionValues defaultOsVersionValues()
{
    return {L"6.1", std::nullopt};
}

bool quietCrashDialog()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, LR"(Software\Wine\WineDbg)", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const DWORD off = 0;
    const bool set = RegSetValueExW(key, L"ShowCrashDialog", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off),
                                    sizeof off) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

bool removePdfAssociation()
{
    const bool extension = removeClassesKey(L".pdf");
    const bool type = removeClassesKey(L"pdffile");
    return extension && type;
}

}  // namespace guitest
