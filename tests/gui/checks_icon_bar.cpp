// The icon bar: the bitmap set that each OS variant chooses (from the registry's version texts), the
// pressed and disabled bitmaps, the label font of the variant, and the five commands given by mouse.
#include "checks.h"
#include "dialogs.h"
#include "input.h"
#include "labels.h"
#include "registry.h"
#include "report.h"
#include "screen.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

#include <array>
#include <vector>

namespace guitest {

namespace {

struct Variant {
    const char* name;
    const char* shotName;
    OsVersionValues values;
    std::wstring mark;
    bool windows95Family;
    std::uint32_t face;
};

std::vector<Variant> variants()
{
    const std::uint32_t grey = rgb(192, 192, 192);
    return {
        {"CurrentVersion 6.1", "variant-nt60", {L"6.1", std::nullopt}, L"", false, grey},
        {"CurrentVersion 4.0", "variant-nt40", {L"4.0", std::nullopt}, L"", false, grey},
        {"CurrentVersion 5.0", "variant-nt50", {L"5.0", std::nullopt}, L"8", false, rgb(214, 210, 206)},
        {"CurrentVersion 5.1", "variant-nt51", {L"5.1", std::nullopt}, L"X", false, rgb(236, 233, 216)},
        {"CurrentVersion 5.2", "variant-nt52", {L"5.2", std::nullopt}, L"X", false, rgb(236, 233, 216)},
        {"CurrentVersion 6.3", "variant-ntother", {L"6.3", std::nullopt}, L"", false, grey},
        {"no CurrentVersion, ProductName \"Microsoft Windows ME\"",
         "variant-me",
         {std::nullopt, L"Microsoft Windows ME"},
         L"9",
         true,
         rgb(216, 208, 200)},
        {"no CurrentVersion, ProductName \"Microsoft Windows 98\"",
         "variant-98",
         {std::nullopt, L"Microsoft Windows 98"},
         L"",
         true,
         grey},
        {"no CurrentVersion, ProductName \"Windows Me\"", "variant-9x", {std::nullopt, L"Windows Me"}, L"", true, grey},
    };
}

std::wstring bitmapName(int button, const std::wstring& mark, const std::wstring& state)
{
    static const std::array stems{L"Code", L"DeCod", L"About", L"Help", L"Exit"};
    std::wstring stem = stems.at(static_cast<std::size_t>(button));
    if (button == decoding && mark.empty()) {
        stem = L"DeCode";
    }
    return stem + mark + state;
}

Image buttonOnScreen(const Program& program, int button)
{
    return captureScreen(windowRect(program.button(button)));
}

// Waits until the button shows the bitmap; how it differs when it does not.
Difference waitForBitmap(const Context& context, const Program& program, int button, const std::wstring& name,
                         bool& found)
{
    const std::optional<Image> bitmap = bitmapResource(context.program, name);
    found = bitmap.has_value() && bitmap->width == 32 && bitmap->height == 20;
    Difference difference;
    difference.count = -1;
    if (found) {
        waitUntil(
            [&] {
                difference = compareImages(*bitmap, buttonOnScreen(program, button));
                return difference.count == 0;
            },
            2000);
    }
    return difference;
}

// The set's five Up bitmaps are shown, and their face has the set's colour.
void checkSet(const Context& context, const Program& program, const Variant& variant)
{
    std::string problems;
    std::string names;
    for (int button = 0; button < votrana::iconButtonCount; ++button) {
        const std::wstring name = bitmapName(button, variant.mark, L"Up");
        names += cat(button == 0 ? "" : ", ", utf8(name));
        bool found = false;
        const Difference difference = waitForBitmap(context, program, button, name, found);
        if (!found) {
            problems += cat(" ", utf8(name), " is not a 32 x 20 bitmap of the program;");
        } else if (difference.count != 0) {
            problems += cat(" ", utf8(name), ": ", describe(difference), ";");
        }
        const std::uint32_t face = buttonOnScreen(program, button).at(2, 2);
        if (face != variant.face) {
            problems += cat(" face of button ", IDC_CODING_BUTTON + button, " is ", describe(face), ";");
        }
    }
    report().check(problems.empty(),
                   cat(variant.name, ": the buttons show ", names, " with the face colour ", describe(variant.face)),
                   problems);
}

void checkLabelFont(const Context& context, const Program& program, const Variant& variant)
{
    const LabelStyle style = labelStyle(context.japanese, variant.windows95Family);
    const RECT band = labelBand();
    const RECT window = windowRect(program.main());
    const RECT bandOnScreen{window.left + band.left, window.top + band.top, window.left + band.right,
                            window.top + band.bottom};
    const Image before = captureScreen(bandOnScreen);
    moveMouse(program.buttonMiddle(coding));
    const std::wstring text = wide(context.texts->labels[0]);
    const Image expected = bandWithLabel(before, 1, text, style);
    Difference difference;
    waitUntil(
        [&] {
            difference = compareImages(expected, captureScreen(bandOnScreen));
            return difference.count == 0;
        },
        2000);
    report().check(difference.count == 0,
                   cat(variant.name, ": the label \"", context.texts->labels[0], "\" is drawn in ", style.height,
                       "-pixel \"", utf8(style.face), "\""),
                   describe(difference));
}

// Held down: the Dn bitmap; let go outside the button: Up again and no command. Disabled from outside:
// the In bitmap.
void checkStates(const Context& context, Program& program)
{
    const POINT middle = program.buttonMiddle(decoding);
    pressAt(middle);
    bool found = false;
    Difference down = waitForBitmap(context, program, decoding, bitmapName(decoding, L"", L"Dn"), found);
    screenshot("button-pressed");
    releaseAt(program.client(250, 100));
    Difference up = waitForBitmap(context, program, decoding, bitmapName(decoding, L"", L"Up"), found);
    report().check(down.count == 0 && up.count == 0,
                   "a held-down button shows its Dn bitmap, and Up again once the mouse lets go elsewhere",
                   cat("Dn: ", describe(down), "; Up: ", describe(up)));
    expectNoMessage(program, "let go outside the button");

    EnableWindow(program.button(about), FALSE);
    Difference disabled = waitForBitmap(context, program, about, bitmapName(about, L"", L"In"), found);
    screenshot("button-disabled");
    EnableWindow(program.button(about), TRUE);
    Difference enabled = waitForBitmap(context, program, about, bitmapName(about, L"", L"Up"), found);
    report().check(disabled.count == 0 && enabled.count == 0,
                   "a button disabled from outside shows its In bitmap, and Up again once enabled",
                   cat("In: ", describe(disabled), "; Up: ", describe(enabled)));
}

// Each button, clicked with the mouse, gives its command.
void checkCommands(const Context& context, std::unique_ptr<Program>& program)
{
    clickAt(program->buttonMiddle(coding));
    if (HWND dialog = expectOpenFileDialog(*program, "a click on Coding", context.texts->codeFileTitle,
                                           context.texts->allFilesFilter)) {
        openFileDialog::cancel(dialog);
    }
    clickAt(program->buttonMiddle(decoding));
    if (HWND dialog = expectOpenFileDialog(*program, "a click on Decoding", context.texts->decodeFileTitle,
                                           context.texts->codedFilesFilter)) {
        openFileDialog::cancel(dialog);
    }
    clickAt(program->buttonMiddle(about));
    HWND aboutBox = waitForDialog(program->id(), wide(context.texts->aboutCaption));
    report().check(aboutBox != nullptr,
                   cat("a click on About shows the About box \"", context.texts->aboutCaption, "\""));
    if (aboutBox != nullptr) {
        postClick(aboutBox, IDOK);
        waitGone(aboutBox);
    }
    clickAt(program->buttonMiddle(help));
    expectMessage(*program, "a click on Help", errorMessage(context, context.texts->readmeMissing));

    // Command numbers outside 101 to 105 do nothing.
    PostMessageW(program->main(), WM_COMMAND, 100, 0);
    PostMessageW(program->main(), WM_COMMAND, 106, 0);
    expectNoMessage(*program, "commands 100 and 106 sent to the main window");

    clickAt(program->buttonMiddle(exitButton));
    const std::optional<DWORD> code = program->process().waitForExit(windowWaitMs);
    report().check(code == 0U, "a click on Exit ends the program with exit code 0",
                   code ? cat("exit code ", *code) : "still running");
    program.reset();
}

}  // namespace

void checkIconBar(Context& context)
{
    for (const Variant& variant : variants()) {
        if (!report().check(setOsVersionValues(variant.values),
                            cat(variant.name, ": the registry holds the variant"))) {
            continue;
        }
        std::unique_ptr<Program> program = startProgram(context, variant.name);
        if (!program) {
            continue;
        }
        checkSet(context, *program, variant);
        checkLabelFont(context, *program, variant);
        screenshot(variant.shotName);
        endProgram(program);
    }
    setOsVersionValues(defaultOsVersionValues());

    std::unique_ptr<Program> program = startProgram(context, "button states");
    if (!program) {
        return;
    }
    checkStates(context, *program);
    checkCommands(context, program);
    endProgram(program);
}

}  // namespace guitest
