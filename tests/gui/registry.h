// The registry values that the program reads at start-up, set the way a test needs them, and the
// removal of the shell's PDF association.
#pragma once

#include <optional>
#include <string>

namespace guitest {

// The two version texts: "CurrentVersion" of the Windows NT key and "ProductName" of the Windows key.
// nullopt removes the value.
struct OsVersionValues {
    std::optional<std::wstring> ntCurrentVersion;
    std::optional<std::wstring> productName;
};

bool setOsVersionValues(const OsVersionValues& values);
// What Wine itself reports (a Windows 7 system); every test that does not choose a variant runs with it.
OsVersionValues defaultOsVersionValues();

// Under Wine: a program that crashes ends at once, with its backtrace in the log, instead of waiting for a
// click on the crash dialog.
bool quietCrashDialog();

// Removes HKCR\.pdf and HKCR\pdffile, so that no program is registered for PDF documents.
bool removePdfAssociation();

}  // namespace guitest
