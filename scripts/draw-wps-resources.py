#!/usr/bin/env python3
"""Draws the picture of the hardware push button's cancel notice, byte for byte, so that it can be
redrawn from this file alone: the USB adapter with its push button, and a stop mark beside the button
for the exchange that ended. White background, like the notice.

    scripts/draw-wps-resources.py [repository root]

The shapes, the canvas and the file writer are the main window's (draw-mainwnd-resources.py).
"""
import importlib.util
import os
import sys

_spec = importlib.util.spec_from_file_location(
    "mainwnd_pictures", os.path.join(os.path.dirname(os.path.abspath(__file__)), "draw-mainwnd-resources.py"))
pic = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(pic)

INK = pic.hexrgb("#1f3f73")
BUTTON = pic.hexrgb("#2f8fe0")
STOP = pic.hexrgb("#d63a2f")
SIZE = (60, 60)


def adapter(c):
    """A USB stick lying across the picture: its plug at the left, the round push button on top."""
    c.fill(pic.rect(4, 26, 14, 36), pic.hexrgb("#aeb8c6"))
    c.fill(pic.rect(6, 28.5, 12, 30.5), INK)
    c.fill(pic.rect(6, 31.5, 12, 33.5), INK)
    c.fill(pic.rounded_rect(13, 21, 50, 41, 4), INK)
    c.fill(pic.rounded_rect(14.5, 22.5, 48.5, 39.5, 3),
           pic.vertical(pic.hexrgb("#f4f6f9"), pic.hexrgb("#b9c2cf"), 22, 40))
    c.fill(pic.disc(34, 31, 6.5), INK)
    c.fill(pic.disc(34, 31, 5), BUTTON)
    c.fill(pic.disc(32.5, 29.5, 1.8), (1, 1, 1), 0.5)


def stop_mark(c):
    """A red disc with a white bar: the exchange the button started has ended."""
    c.fill(pic.disc(47, 13, 9), (1, 1, 1))
    c.fill(pic.disc(47, 13, 8), STOP)
    c.fill(pic.rect(42, 11.5, 52, 14.5), (1, 1, 1))


def picture():
    w, h = SIZE
    c = pic.Canvas(w, h)
    c.fill(lambda x, y: True, (1, 1, 1))
    adapter(c)
    stop_mark(c)
    return c


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    path = os.path.join(root, "src", "res", "HwPbcCancel.bmp")
    data = pic.bmp_bytes(picture())
    with open(path, "wb") as out:
        out.write(data)
    print(path, len(data), "bytes")


if __name__ == "__main__":
    main()
