#pragma once

#include "canvas.h"

namespace artwork {

enum class Emblem { Coding, Decoding, About, Help, Exit };

enum class EmblemLook {
    Coloured,  // the button's normal and pressed looks
    Etched,    // the disabled look: outlines and marks in grey over a white relief, fills gone
};

// The emblem of an icon-bar button as a layer in the standard palette's indices.
Canvas emblemLayer(Emblem emblem, EmblemLook look);

}  // namespace artwork
