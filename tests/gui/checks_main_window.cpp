// The main window as a user sees it: class, title, size and place, the picture and the strip, a second
// start, and the two ways to end the program.
#include "checks.h"
#include "input.h"
#include "program.h"
#include "report.h"
#include "screen.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

namespace guitest {

namespace {

using votrana::iconButtonCount;
using votrana::iconButtonHeight;
using votrana::iconButtonWidth;
using votrana::iconButtonX;

void checkPlaceAndLook(const Context& context, Program& program)
{
    HWND main = program.main();
    const std::wstring title = wide(context.texts->windowTitle);
    report().check(windowText(main) == title && FindWindowW(mainWindowClass, title.c_str()) == main,
                   cat("the main window of class \"VOTRA_95\" has the title \"", context.texts->windowTitle, "\""),
                   cat("title '", printable(windowText(main)), "'"));

    const RECT rect = windowRect(main);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int wantedHeight = GetSystemMetrics(SM_CYCAPTION) + 161;
    const int wantedX = (GetSystemMetrics(SM_CXSCREEN) - 336) / 2;
    const int wantedY = (GetSystemMetrics(SM_CYSCREEN) - wantedHeight) / 2;
    report().check(width == 336 && height == wantedHeight && rect.left == wantedX && rect.top == wantedY,
                   "the main window is 336 x (caption + 161) pixels, centred on the screen",
                   cat("at (", rect.left, ",", rect.top, ") ", width, " x ", height, "; expected (", wantedX, ",",
                       wantedY, ") 336 x ", wantedHeight));

    RECT client{};
    GetClientRect(main, &client);
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    const bool fixed = (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0 &&
                       (style & WS_MINIMIZEBOX) != 0 && (style & WS_MAXIMIZEBOX) == 0 && (style & WS_THICKFRAME) == 0;
    report().check(fixed && client.right == 330 && client.bottom == 155,
                   "a fixed-size captioned window with system menu and minimise box; client area 330 x 155",
                   cat("style 0x", std::hex, style, std::dec, ", client ", client.right, " x ", client.bottom));

    const std::optional<Image> picture = bitmapResource(context.program, L"IBMP_1");
    const POINT origin = program.client(0, 23);
    Difference pictureDifference;
    pictureDifference.count = -1;
    if (picture && picture->width == 330 && picture->height == 132) {
        waitUntil(
            [&] {
                pictureDifference =
                    compareImages(*picture, captureScreen(RECT{origin.x, origin.y, origin.x + 330, origin.y + 132}));
                return pictureDifference.count == 0;
            },
            3000);
    }
    report().check(pictureDifference.count == 0, "the picture IBMP_1 (330 x 132) shows unchanged at client (0, 23)",
                   picture ? describe(pictureDifference) : "IBMP_1 not found in the program");

    // The strip: button-face colour wherever no button lies.
    const std::uint32_t face = fromColorRef(GetSysColor(COLOR_BTNFACE));
    const POINT top = program.client(0, 0);
    const Image strip = captureScreen(RECT{top.x, top.y, top.x + 330, top.y + 23});
    const int cyBorder = GetSystemMetrics(SM_CYBORDER);
    const RECT buttonRow{iconButtonX(0), cyBorder, iconButtonX(iconButtonCount), cyBorder + iconButtonHeight};
    Difference stripDifference =
        compareImages(Image{330, 23, std::vector<std::uint32_t>(330 * 23, face)}, strip, buttonRow);
    report().check(stripDifference.count == 0, "the 23-pixel strip is in the button-face colour around the buttons",
                   describe(stripDifference));

    HWND bar = program.iconBar();
    const RECT barRect = windowRect(bar);
    const bool barPlaced = bar != nullptr && barRect.left == top.x && barRect.top == top.y &&
                           barRect.right - barRect.left == GetSystemMetrics(SM_CXSCREEN) &&
                           barRect.bottom - barRect.top == cyBorder + iconButtonHeight;
    std::string buttons;
    bool buttonsPlaced = true;
    for (int index = 0; index < iconButtonCount; ++index) {
        HWND button = program.button(index);
        const RECT buttonRect = windowRect(button);
        const bool ownerDrawn = (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
        const bool placed = button != nullptr && ownerDrawn && className(button) == L"Button" &&
                            buttonRect.left - barRect.left == iconButtonX(index) &&
                            buttonRect.top - barRect.top == cyBorder &&
                            buttonRect.right - buttonRect.left == iconButtonWidth &&
                            buttonRect.bottom - buttonRect.top == iconButtonHeight;
        buttonsPlaced = buttonsPlaced && placed;
        if (!placed) {
            buttons += cat(" button ", IDC_CODING_BUTTON + index, " at (", buttonRect.left - barRect.left, ",",
                           buttonRect.top - barRect.top, ")");
        }
    }
    report().check(barPlaced && buttonsPlaced,
                   "the icon bar (class \"IconBarWindow\", screen-wide, border + 20 tall) holds five owner-drawn "
                   "buttons 106 to 110 of 32 x 20 at x = 16 + 32k",
                   cat("bar at (", barRect.left - top.x, ",", barRect.top - top.y, ") ", barRect.right - barRect.left,
                       " x ", barRect.bottom - barRect.top, buttons));
}

void checkSecondStart(const Context& context, Program& first)
{
    const RECT before = windowRect(first.main());
    const std::unique_ptr<Process> second = Process::start(context.program, context.appFolder);
    const std::optional<DWORD> code = second ? second->waitForExit(windowWaitMs) : std::nullopt;
    bool secondShowed = false;
    if (second) {
        for (HWND window : topLevelWindows()) {
            secondShowed = secondShowed || (processOf(window) == second->id() && IsWindowVisible(window));
        }
    }
    report().check(code == 0U && !secondShowed, "a second start ends at once with exit code 0, showing nothing",
                   code ? cat("exit code ", *code) : "still running");
    const RECT after = windowRect(first.main());
    report().check(first.process().running() && IsWindowVisible(first.main()) && EqualRect(&before, &after) &&
                       windowText(first.main()) == wide(context.texts->windowTitle),
                   "the first copy stays as it was");
}

// A top-level window of another program with either title (whatever the language) makes a start end at
// once, showing nothing.
void checkForeignWindowWithTheTitle(const Context& context)
{
    for (const wchar_t* title : {L"Votrana", L"ヴォトラナ"}) {
        HWND foreign = CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        const std::unique_ptr<Process> start = Process::start(context.program, context.appFolder);
        const std::optional<DWORD> code = start ? start->waitForExit(windowWaitMs) : std::nullopt;
        bool showed = false;
        for (HWND window : topLevelWindows()) {
            showed = showed || (start && processOf(window) == start->id() && IsWindowVisible(window));
        }
        report().check(
            code == 0U && !showed,
            cat("a window of another program titled \"", utf8(title), "\" makes a start end at once with exit code 0"),
            code ? cat("exit code ", *code) : "still running");
        DestroyWindow(foreign);
    }
}

}  // namespace

void checkMainWindow(Context& context)
{
    std::unique_ptr<Program> program = startProgram(context, "start");
    if (!program) {
        return;
    }
    checkPlaceAndLook(context, *program);
    screenshot("main-window");
    checkSecondStart(context, *program);

    const std::optional<DWORD> exitCode = program->exitWithButton();
    report().check(exitCode == 0U, "the Exit button ends the program with exit code 0",
                   exitCode ? cat("exit code ", *exitCode) : "still running");
    program.reset();

    checkForeignWindowWithTheTitle(context);

    program = startProgram(context, "close box");
    if (!program) {
        return;
    }
    const bool clicked = clickCloseBox(program->main());
    const std::optional<DWORD> closeCode = program->process().waitForExit(windowWaitMs);
    report().check(clicked && closeCode == 0U, "the close box ends the program with exit code 0",
                   !clicked    ? "no close box found"
                   : closeCode ? cat("exit code ", *closeCode)
                               : "still running");
}

}  // namespace guitest
