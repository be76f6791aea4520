#!/usr/bin/env python3
"""Prints the X server's current cursor as "WIDTH HEIGHT XHOT YHOT" (XFixes), for the GUI test driver,
which cannot read another Windows process's cursor under Wine. Exits 1 when it cannot tell."""
import ctypes
import ctypes.util
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short),
        ("y", ctypes.c_short),
        ("width", ctypes.c_ushort),
        ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort),
        ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.POINTER(ctypes.c_ulong)),
        ("atom", ctypes.c_ulong),
        ("name", ctypes.c_char_p),
    ]


def main():
    try:
        xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes") or "libXfixes.so.3")
    except OSError:
        return 1
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xfixes.XFixesQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    event, error = ctypes.c_int(), ctypes.c_int()
    if not display or not xfixes.XFixesQueryExtension(display, ctypes.byref(event), ctypes.byref(error)):
        return 1
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        return 1
    cursor = image.contents
    print(cursor.width, cursor.height, cursor.xhot, cursor.yhot)
    return 0


if __name__ == "__main__":
    sys.exit(main())
