#include "script.h"

#include "files.h"
#include "report.h"
#include "text.h"
#include "window_search.h"

#include <windows.h>

namespace guitest {

namespace {

std::wstring scriptFolder;

}  // namespace

void useScript(const std::wstring& folder)
{
    scriptFolder = folder;
    makeFolder(folder + L"\\shots");
    makeFolder(folder + L"\\requests");
}

bool scriptAnswers()
{
    return !scriptFolder.empty();
}

void screenshot(std::string_view name)
{
    if (!scriptAnswers()) {
        return;
    }
    const std::wstring base = scriptFolder + L"\\shots\\" + wide(name);
    const std::wstring done = base + L".done";
    DeleteFileW(done.c_str());
    // Time for the last drawing to reach the screen.
    Sleep(100);
    if (!writeFile(base + L".req", {})) {
        report().note(cat("screenshot ", name, ": the request could not be made"));
        return;
    }
    if (!waitUntil([&] { return fileExists(done); }, 10000)) {
        report().note(cat("screenshot ", name, ": not taken (no answer from the script)"));
    }
}

std::optional<std::string> askScript(const std::string& request)
{
    if (!scriptAnswers()) {
        return std::nullopt;
    }
    static int serial = 0;
    const std::wstring base = scriptFolder + L"\\requests\\" + wide(cat("request", ++serial));
    const std::wstring done = base + L".done";
    const std::string line = request + "\n";
    // Written under another name first, so that the script never reads half a request.
    if (!writeFile(base + L".tmp", Bytes(line.begin(), line.end())) ||
        !MoveFileW((base + L".tmp").c_str(), (base + L".req").c_str())) {
        return std::nullopt;
    }
    if (!waitUntil([&] { return fileExists(done); }, 10000)) {
        return std::nullopt;
    }
    const std::optional<Bytes> answer = readFile(done);
    if (!answer) {
        return std::nullopt;
    }
    std::string text(answer->begin(), answer->end());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

}  // namespace guitest
