#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "emblems.h"
#include "palette.h"

namespace artwork {

inline constexpr int buttonWidth = 32;
inline constexpr int buttonHeight = 20;

enum class ButtonState { Up, Down, Disabled };

// One of the four bitmap sets; they differ only in the colour of the button face.
struct ButtonSet {
    std::string mark;  // "", "9", "8" or "X"
    Rgb face;
};

const std::vector<ButtonSet>& buttonSets();

// The resource name the icon bar loads, such as "CodeUp", "DeCod9Dn" or "HelpXIn".
std::string buttonBitmapName(Emblem emblem, const ButtonSet& set, ButtonState state);

// A button in the standard palette; the face is the silver entry, which the set's palette replaces.
Canvas buttonPicture(Emblem emblem, ButtonState state);

}  // namespace artwork
