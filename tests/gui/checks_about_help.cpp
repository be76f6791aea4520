// The About box (its texts, Esc leaves it open, OK, Enter and the close box end it) and Help (the readme
// missing, only the other language's readme beside the program, no program for PDF documents).
#include "checks.h"
#include "files.h"
#include "input.h"
#include "report.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

#include <vector>

namespace guitest {

namespace {

HWND openAbout(const Context& context, Program& program, std::string_view step)
{
    program.click(about);
    HWND box = waitForDialog(program.id(), wide(context.texts->aboutCaption));
    report().check(box != nullptr && ownerOf(box) == program.main(),
                   cat(step, ": the About box \"", context.texts->aboutCaption, "\" opens, owned by the main window"));
    return box;
}

void checkAboutContents(const Context& context, HWND box)
{
    std::vector<std::wstring> texts;
    bool icon = false;
    std::wstring okText;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(className(child).c_str(), L"Static") != 0) {
            if (GetDlgCtrlID(child) == IDOK) {
                okText = windowText(child);
            }
            continue;
        }
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            icon = true;
        } else {
            texts.push_back(windowText(child));
        }
    }
    const bool ok = texts.size() == 3 && texts[0] == wide(context.texts->aboutName) &&
                    texts[1] == wide(context.texts->aboutVersion) &&
                    texts[2].starts_with(wide(context.texts->aboutDescription)) &&
                    texts[2].size() > wide(context.texts->aboutDescription).size() && icon &&
                    okText == wide(context.texts->okButton);
    std::string shown;
    for (const std::wstring& text : texts) {
        shown += cat("'", printable(text), "' ");
    }
    report().check(ok,
                   cat("the About box shows \"", context.texts->aboutName, "\", \"", context.texts->aboutVersion,
                       "\", the description with credits, an icon and OK"),
                   cat(shown, icon ? "and an icon" : "and no icon"));
}

void checkAbout(const Context& context, Program& program)
{
    HWND box = openAbout(context, program, "About");
    if (box == nullptr) {
        return;
    }
    checkAboutContents(context, box);
    screenshot("about-box");

    SetForegroundWindow(box);
    pressKey(VK_ESCAPE);
    Sleep(500);
    report().check(IsWindowVisible(box) != 0, "Esc leaves the About box open");
    postClick(box, IDOK);
    report().check(waitGone(box) && program.process().running(), "OK ends the About box");
    expectNoMessage(program, "after OK");

    if ((box = openAbout(context, program, "About again")) != nullptr) {
        SetForegroundWindow(box);
        pressKey(VK_RETURN);
        report().check(waitGone(box), "Enter ends the About box");
    }
    if ((box = openAbout(context, program, "About once more")) != nullptr) {
        report().check(clickCloseBox(box) && waitGone(box) && program.process().running(),
                       "the close box ends the About box");
    }
}

void checkHelp(const Context& context, Program& program)
{
    const ExpectedMessage missing = errorMessage(context, context.texts->readmeMissing);
    expectMessage(program, "Help without a readme beside the program", missing, "help-readme-missing");

    const std::wstring own = context.japanese ? L"VOTRA_9J.PDF" : L"VOTRA_9E.PDF";
    const std::wstring other = context.japanese ? L"VOTRA_9E.PDF" : L"VOTRA_9J.PDF";
    const bool otherCopied = copyFile(context.builtFolder + L"\\" + other, context.appFolder + L"\\" + other);
    if (report().check(otherCopied, cat("the built program's folder holds ", utf8(other)))) {
        program.click(help);
        expectMessage(program, cat("Help with only ", utf8(other), " beside the program"), missing);
    }
    const bool ownCopied = copyFile(context.builtFolder + L"\\" + own, context.appFolder + L"\\" + own);
    if (report().check(ownCopied, cat("the built program's folder holds ", utf8(own)))) {
        program.click(help);
        expectMessage(program, cat("Help with ", utf8(own), " and no program for PDF documents"),
                      errorMessage(context, context.texts->readmeNotOpened), "help-no-pdf-viewer");
    }
    DeleteFileW((context.appFolder + L"\\" + own).c_str());
    DeleteFileW((context.appFolder + L"\\" + other).c_str());
}

}  // namespace

void checkAboutAndHelp(Context& context)
{
    std::unique_ptr<Program> program = startProgram(context, "About and Help");
    if (!program) {
        return;
    }
    checkAbout(context, *program);
    program->click(help);
    checkHelp(context, *program);
    endProgram(program);
}

}  // namespace guitest
