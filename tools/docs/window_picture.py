#!/usr/bin/python3
"""Draws the client area of the main window for the user's guides, from the program's own bitmaps.

    window_picture.py RES_DIR OUTPUT.png

The window is 330 x 155 pixels inside its frame: a strip of 23 pixels in the button-face colour that
holds the five buttons of the icon bar (32 x 20 pixels each, from x = 16, one pixel below the top),
and the 330 x 132 picture below it. The result is enlarged three times, pixel for pixel, so that it
stays sharp in print.
"""

import pathlib
import sys

from PIL import Image

BUTTON_FACE = (192, 192, 192)
BUTTONS = ("CodeUp", "DeCodeUp", "AboutUp", "HelpUp", "ExitUp")
SCALE = 3


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    res = pathlib.Path(sys.argv[1])
    window = Image.new("RGB", (330, 155), BUTTON_FACE)
    for index, name in enumerate(BUTTONS):
        button = Image.open(res / "bitmaps" / f"{name}.bmp").convert("RGB")
        window.paste(button, (16 + 32 * index, 1))
    window.paste(Image.open(res / "main_picture.bmp").convert("RGB"), (0, 23))
    window = window.resize((330 * SCALE, 155 * SCALE), Image.NEAREST)
    window.save(sys.argv[2], format="PNG", optimize=True)


if __name__ == "__main__":
    main()
