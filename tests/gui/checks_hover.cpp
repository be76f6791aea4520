// The hover labels: which label shows where the mouse is (the edges of the strip and of the buttons),
// the box and text as drawn, the background put back when the label goes or moves, and no label work
// while a dialog is open.
#include "checks.h"
#include "dialogs.h"
#include "input.h"
#include "labels.h"
#include "paint_log.h"
#include "report.h"
#include "screen.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

#include <vector>

namespace guitest {

namespace {

class Band {
public:
    explicit Band(const Program& program)
    {
        const RECT band = labelBand();
        const RECT window = windowRect(program.main());
        onScreen_ =
            RECT{window.left + band.left, window.top + band.top, window.left + band.right, window.top + band.bottom};
    }

    Image capture() const { return captureScreen(onScreen_); }
    // A screen rectangle in the band's coordinates.
    RECT fromScreen(RECT rect) const
    {
        OffsetRect(&rect, -onScreen_.left, -onScreen_.top);
        return rect;
    }

    // Waits until the band shows `expected` (outside `ignore`); the last difference.
    Difference waitFor(const Image& expected, const RECT& ignore = RECT{}) const
    {
        Difference difference;
        waitUntil(
            [&] {
                difference = compareImages(expected, capture(), ignore);
                return difference.count == 0;
            },
            2000);
        return difference;
    }

private:
    RECT onScreen_{};
};

struct HoverStep {
    int x;
    int y;
    int label;
    std::string what;
    const char* shotName;
};

}  // namespace

void checkHoverLabels(Context& context)
{
    std::unique_ptr<Program> program = startProgram(context, "hover");
    if (!program) {
        return;
    }
    const int cyBorder = GetSystemMetrics(SM_CYBORDER);
    const LabelStyle style = labelStyle(context.japanese, false);
    const Band band(*program);
    // The mouse over the picture: no label.
    moveMouse(program->client(250, 100));
    Sleep(100);
    const Image plain = band.capture();

    const std::vector<HoverStep> steps{
        {16, 10, 1, "x = 16 in the strip", "hover-coding"},
        {15, 10, 0, "x = 15 in the strip removes it", nullptr},
        {47, 10, 1, "x = 47 in the strip", nullptr},
        {48, 10, 2, "x = 48 in the strip, Coding's background put back", "hover-decoding"},
        {80, 10, 3, "x = 80 in the strip", "hover-about"},
        {112, 10, 4, "x = 112 in the strip", "hover-help"},
        {175, 10, 5, "x = 175 in the strip", "hover-exit"},
        {176, 10, 0, "x = 176 in the strip removes it", nullptr},
        {20, cyBorder + 20, 1, "the strip's bottom row (y = border + 20)", nullptr},
        {20, cyBorder, 0, "the buttons' top row (y = border) counts as outside", nullptr},
        {20, cyBorder + 1, 1, "the strip's top row (y = border + 1)", nullptr},
        {20, cyBorder + 21, 0, "below the strip (y = border + 21) removes it", nullptr},
        {170, 10, 5, "x = 170 in the strip", nullptr},
        {250, 100, 0, "over the picture removes it", nullptr},
    };
    for (const HoverStep& step : steps) {
        moveMouse(program->client(step.x, step.y));
        const Image expected =
            step.label == 0
                ? plain
                : bandWithLabel(plain, step.label,
                                wide(context.texts->labels.at(static_cast<std::size_t>(step.label - 1))), style);
        const Difference difference = band.waitFor(expected);
        const std::string shown =
            step.label == 0
                ? std::string("no label, the picture as before")
                : cat("the label \"", context.texts->labels.at(static_cast<std::size_t>(step.label - 1)), "\"");
        report().check(difference.count == 0,
                       cat("mouse at client (", step.x, ",", step.y, "), ", step.what, ": ", shown),
                       describe(difference));
        if (step.shotName != nullptr) {
            screenshot(step.shotName);
        }
    }

    // While the About box is open the main window is disabled: no label shows, moves or goes.
    program->click(about);
    HWND aboutBox = waitForDialog(program->id(), wide(context.texts->aboutCaption));
    if (report().check(aboutBox != nullptr, "the About box opens for the checks below")) {
        // Away from the band, so that a label could be seen.
        openFileDialog::moveAway(aboutBox);
        const RECT covered = band.fromScreen(windowRect(aboutBox));
        PaintLogReader messages(program->main());
        messages.clear();
        moveMouse(program->client(20, 10));
        Sleep(300);
        moveMouse(program->client(150, 10));
        Sleep(300);
        const Difference difference = band.waitFor(plain, covered);
        report().check(
            difference.count == 0, "with the About box open, the mouse over Coding and Exit shows no label",
            cat(describe(difference), "; WM_SETCURSOR reached the main window ", messages.setCursorCount(), " times"));
        screenshot("hover-about-box-open");
        postClick(aboutBox, IDOK);
        waitGone(aboutBox);
    }

    // A command takes the shown label away before its dialog opens.
    moveMouse(program->client(250, 100));
    moveMouse(program->client(20, 10));
    band.waitFor(bandWithLabel(plain, 1, wide(context.texts->labels[0]), style));
    program->click(coding);
    if (HWND dialog = waitForDialog(program->id(), wide(context.texts->codeFileTitle))) {
        openFileDialog::moveAway(dialog);
        const Difference difference = band.waitFor(plain);
        report().check(difference.count == 0, "the Coding command removes the shown label before its dialog",
                       describe(difference));
        openFileDialog::cancel(dialog);
    } else {
        report().check(false, "the Coding command removes the shown label before its dialog", "no dialog showed");
    }
    endProgram(program);
}

}  // namespace guitest
