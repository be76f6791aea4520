// The GUI test driver: works VOTRA_95.EXE as a user would, under Wine, and checks what it shows and what it
// writes. One line per check; the last line is "N passed, N failed"; the exit code is
// the number of failed checks.
//   gui_driver.exe PROGRAM.EXE --language en|ja [--script] [--only GROUP,...] [--package]
// --package: PROGRAM.EXE is the one unpacked from the Windows archive, started where it lies.
// --script: run by tests/gui/run-gui-driver.sh, which answers the driver's requests (screenshots, folder
// locks, the X cursor).
#include "checks.h"
#include "files.h"
#include "registry.h"
#include "report.h"
#include "script.h"
#include "text.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace guitest;

namespace {

struct Group {
    const char* name;
    std::function<void(Context&)> run;
};

struct Options {
    std::wstring program;
    std::string language;
    bool script = false;
    bool package = false;
    std::vector<std::string> only;
};

std::vector<std::string> splitList(const std::string& list)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start) {
            items.push_back(list.substr(start, comma - start));
        }
        start = comma + 1;
    }
    return items;
}

bool parse(int argc, wchar_t** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = utf8(argv[i]);
        if (argument == "--language" && i + 1 < argc) {
            options.language = utf8(argv[++i]);
        } else if (argument == "--package") {
            options.package = true;
        } else if (argument == "--script") {
            options.script = true;
        } else if (argument == "--only" && i + 1 < argc) {
            options.only = splitList(utf8(argv[++i]));
        } else if (options.program.empty() && !argument.starts_with("--")) {
            options.program = argv[i];
        } else {
            return false;
        }
    }
    return !options.program.empty() && (options.language == "en" || options.language == "ja");
}

std::wstring fullPath(const std::wstring& path)
{
    std::wstring full(32768, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full;
}

std::wstring currentFolder()
{
    std::wstring folder(32768, L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    if (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

// The work folder, the program's copy without its readme documents, and the registry as the checks
// expect it.
bool prepare(Context& context, const Options& options)
{
    report().group("preparation");
    const bool codePage = report().check((GetACP() == 932) == context.japanese,
                                         context.japanese ? "the system's code page is 932 (Japanese)"
                                                          : "the system's code page is not 932 (English)",
                                         cat("GetACP() = ", GetACP()));
    const std::wstring built = fullPath(options.program);
    context.builtFolder = built.substr(0, built.find_last_of(L'\\'));
    context.work = context.folder + L"\\work";
    if (options.package) {
        context.appFolder = context.builtFolder;
        context.program = built;
        const bool registry =
            setOsVersionValues(defaultOsVersionValues()) && removePdfAssociation() && quietCrashDialog();
        report().check(registry,
                       "the registry reports Windows 7 (CurrentVersion 6.1) and no program for PDF documents");
        return codePage && registry;
    }
    context.appFolder = context.work + L"\\app";
    context.program = context.appFolder + L"\\VOTRA_95.EXE";
    removeTree(context.work);
    const bool folders = makeFolder(context.work) && makeFolder(context.appFolder) &&
                         copyFile(built, context.program) && !fileExists(context.appFolder + L"\\VOTRA_9E.PDF");
    report().check(folders, "a fresh work folder holds a copy of the program, without readme documents",
                   utf8(context.program));
    const bool registry = setOsVersionValues(defaultOsVersionValues()) && removePdfAssociation() && quietCrashDialog();
    report().check(registry, "the registry reports Windows 7 (CurrentVersion 6.1) and no program for PDF documents");
    return codePage && folders && registry;
}

// The driver changes the system's registry (the version texts, the PDF association), which it does only
// in a Wine prefix of its own.
bool underWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (!underWine()) {
        report().check(false, "the driver runs under Wine", "it changes the registry of the system it runs on");
        report().summary();
        return 1;
    }
    Options options;
    if (!parse(argc, argv, options)) {
        report().note("usage: gui_driver PROGRAM.EXE --language en|ja [--script] [--only GROUP,...]");
        report().check(false, "the command line names the program and the language");
        report().summary();
        return 1;
    }
    Context context;
    context.japanese = options.language == "ja";
    context.folder = currentFolder();
    context.texts = &expectedTexts(context.japanese);
    context.programTexts = &votrana::textsFor(context.japanese);
    context.programAppTexts = &votrana::appTextsFor(context.japanese);
    if (options.script) {
        useScript(context.folder);
    }
    report().note(cat("driver for ", utf8(options.program), " in ", utf8(context.folder), ", language ",
                      options.language, ", screen ", GetSystemMetrics(SM_CXSCREEN), "x",
                      GetSystemMetrics(SM_CYSCREEN)));

    const std::vector<Group> groups{
        {"texts", checkTextTables},         {"window", checkMainWindow},       {"icon-bar", checkIconBar},
        {"hover", checkHoverLabels},        {"about-help", checkAboutAndHelp}, {"key-dialog", checkKeyFileDialog},
        {"coding", checkCodingAndDecoding}, {"cancel", checkCancels},          {"refusals", checkRefusals},
        {"names", checkJapaneseNames},      {"long-work", checkLongWork},
    };
    const std::vector<Group> packageGroups{{"package", checkPackagedProgram}};
    if (prepare(context, options)) {
        for (const Group& group : options.package ? packageGroups : groups) {
            const bool chosen = options.only.empty() ||
                                std::find(options.only.begin(), options.only.end(), group.name) != options.only.end();
            if (chosen) {
                report().group(group.name);
                group.run(context);
            }
        }
    }
    setOsVersionValues(defaultOsVersionValues());
    report().note(cat("total ", elapsedMs(), " ms"));
    report().summary();
    return std::min(report().failed(), 255);
}
