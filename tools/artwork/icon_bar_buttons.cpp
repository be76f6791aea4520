#include "icon_bar_buttons.h"

namespace artwork {
namespace {

constexpr int right = buttonWidth - 1;
constexpr int bottom = buttonHeight - 1;

void drawRaisedEdges(Canvas& button)
{
    button.horizontalLine(0, right - 1, 0, white);
    button.verticalLine(0, 0, bottom - 1, white);
    button.horizontalLine(1, right - 1, bottom - 1, grey);
    button.verticalLine(right - 1, 1, bottom - 1, grey);
    button.horizontalLine(0, right, bottom, black);
    button.verticalLine(right, 0, bottom, black);
}

void drawSunkenEdges(Canvas& button)
{
    button.horizontalLine(0, right, bottom, white);
    button.verticalLine(right, 0, bottom, white);
    button.horizontalLine(0, right - 1, 0, black);
    button.verticalLine(0, 0, bottom - 1, black);
    button.horizontalLine(1, right - 2, 1, grey);
    button.verticalLine(1, 1, bottom - 2, grey);
}

}  // namespace

const std::vector<ButtonSet>& buttonSets()
{
    static const std::vector<ButtonSet> sets = {
        {"", {192, 192, 192}},
        {"9", {216, 208, 200}},
        {"8", {214, 210, 206}},
        {"X", {236, 233, 216}},
    };
    return sets;
}

std::string buttonBitmapName(Emblem emblem, const ButtonSet& set, ButtonState state)
{
    std::string stem;
    switch (emblem) {
    case Emblem::Coding:
        stem = "Code";
        break;
    case Emblem::Decoding:
        stem = set.mark.empty() ? "DeCode" : "DeCod";
        break;
    case Emblem::About:
        stem = "About";
        break;
    case Emblem::Help:
        stem = "Help";
        break;
    case Emblem::Exit:
        stem = "Exit";
        break;
    }
    const char* suffix = state == ButtonState::Up ? "Up" : state == ButtonState::Down ? "Dn" : "In";
    return stem + set.mark + suffix;
}

Canvas buttonPicture(Emblem emblem, ButtonState state)
{
    Canvas button(buttonWidth, buttonHeight, silver);
    const Canvas layer =
        emblemLayer(emblem, state == ButtonState::Disabled ? EmblemLook::Etched : EmblemLook::Coloured);
    // The etched look is one pixel larger for its relief; centre it as its coloured form.
    const Canvas plain = emblemLayer(emblem, EmblemLook::Coloured);
    int left = (buttonWidth - plain.width()) / 2;
    int top = (buttonHeight - plain.height()) / 2;
    if (state == ButtonState::Down) {
        drawSunkenEdges(button);
        ++left;
        ++top;
    } else {
        drawRaisedEdges(button);
    }
    button.draw(layer, left, top);
    return button;
}

}  // namespace artwork
