#include "icon_bar_buttons.h"

namespace artwork {
namespace {

constexpr int kRight = kButtonWidth - 1;
constexpr int kBottom = kButtonHeight - 1;

void drawRaisedEdges(Canvas& button) {
    button.horizontalLine(0, kRight - 1, 0, kWhite);
    button.verticalLine(0, 0, kBottom - 1, kWhite);
    button.horizontalLine(1, kRight - 1, kBottom - 1, kGrey);
    button.verticalLine(kRight - 1, 1, kBottom - 1, kGrey);
    button.horizontalLine(0, kRight, kBottom, kBlack);
    button.verticalLine(kRight, 0, kBottom, kBlack);
}

void drawSunkenEdges(Canvas& button) {
    button.horizontalLine(0, kRight, kBottom, kWhite);
    button.verticalLine(kRight, 0, kBottom, kWhite);
    button.horizontalLine(0, kRight - 1, 0, kBlack);
    button.verticalLine(0, 0, kBottom - 1, kBlack);
    button.horizontalLine(1, kRight - 2, 1, kGrey);
    button.verticalLine(1, 1, kBottom - 2, kGrey);
}

}  // namespace

const std::vector<ButtonSet>& buttonSets() {
    static const std::vector<ButtonSet> sets = {
        {"", {192, 192, 192}},
        {"9", {216, 208, 200}},
        {"8", {214, 210, 206}},
        {"X", {236, 233, 216}},
    };
    return sets;
}

std::string buttonBitmapName(Emblem emblem, const ButtonSet& set, ButtonState state) {
    std::string stem;
    switch (emblem) {
        case Emblem::Coding: stem = "Code"; break;
        case Emblem::Decoding: stem = set.mark.empty() ? "DeCode" : "DeCod"; break;
        case Emblem::About: stem = "About"; break;
        case Emblem::Help: stem = "Help"; break;
        case Emblem::Exit: stem = "Exit"; break;
    }
    const char* suffix = state == ButtonState::Up ? "Up" : state == ButtonState::Down ? "Dn" : "In";
    return stem + set.mark + suffix;
}

Canvas buttonPicture(Emblem emblem, ButtonState state) {
    Canvas button(kButtonWidth, kButtonHeight, kSilver);
    const Canvas layer =
        emblemLayer(emblem, state == ButtonState::Disabled ? EmblemLook::Etched : EmblemLook::Coloured);
    // The etched look is one pixel larger for its relief; centre it as its coloured form.
    const Canvas plain = emblemLayer(emblem, EmblemLook::Coloured);
    int left = (kButtonWidth - plain.width()) / 2;
    int top = (kButtonHeight - plain.height()) / 2;
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
