#!/usr/bin/env python3
"""Reads parts of the X screen for the real-window test, started once.

One request a line on standard input, one answer a line on standard output:
  hash WIDTH HEIGHT X Y   the md5 of that part's pixels ("-" if unreadable)
  colour X Y              one pixel's colour as #RRGGBB
ImageMagick's import starts afresh and converts the whole screen for every
crop it reads; this asks the server for the part alone.
"""
import ctypes
import hashlib
import sys


class XImage(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in ("width", "height", "xoffset", "format")] + [
        ("data", ctypes.c_void_p)] + [(name, ctypes.c_int) for name in (
            "byte_order", "bitmap_unit", "bitmap_bit_order", "bitmap_pad", "depth",
            "bytes_per_line", "bits_per_pixel")]


x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
# A part off the screen is an X error, which would end the process: answered
# as unreadable instead.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda *_: 0)
x11.XSetErrorHandler(ERROR_HANDLER)
ALL_PLANES, Z_PIXMAP = 0xFFFFFFFF, 2

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("screen_reader: no display")
root = x11.XDefaultRootWindow(display)


def pixels(width, height, x, y):
    """The part's rows of 32-bit pixels, or None."""
    image = x11.XGetImage(display, root, x, y, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    shown = image.contents
    rows = bytearray(b"".join(ctypes.string_at(shown.data + row * shown.bytes_per_line, width * 4)
                              for row in range(height)))
    x11.XDestroyImage(image)
    rows[3::4] = bytes(len(rows) // 4)  # the byte beside the colour is no part of it
    return bytes(rows)


def answer(words):
    if words[0] == "hash":
        part = pixels(*map(int, words[1:5]))
        return hashlib.md5(part).hexdigest() if part else "-"
    part = pixels(1, 1, *map(int, words[1:3]))
    return "#%02X%02X%02X" % (part[2], part[1], part[0]) if part else "-"


for line in sys.stdin:
    print(answer(line.split()), flush=True)
