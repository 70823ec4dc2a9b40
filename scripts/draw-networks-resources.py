#!/usr/bin/env python3
"""Draws the Networks page's pictures, byte for byte, so that they can be redrawn from this file alone:
the two network-type icons of the list's rows (ad hoc, access point) and the banner over the list.

    scripts/draw-networks-resources.py [repository root]

The shapes, the canvas and the file writers are the main window's (draw-mainwnd-resources.py).
"""
import importlib.util
import os
import sys

_spec = importlib.util.spec_from_file_location(
    "mainwnd_pictures", os.path.join(os.path.dirname(os.path.abspath(__file__)), "draw-mainwnd-resources.py"))
pic = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(pic)

INK = pic.hexrgb("#1f3f73")
SCREEN = pic.vertical(pic.hexrgb("#8fd0ff"), pic.hexrgb("#2a7fd4"), 2, 10)
BODY = pic.vertical(pic.hexrgb("#f2f4f7"), pic.hexrgb("#b9c2cf"), 9, 14)
WAVE = pic.hexrgb("#2a8f3a")


def computer(c, x0, y0):
    """A small monitor on a stand, 7 pixels wide, its top left at (x0, y0)."""
    c.fill(pic.rect(x0, y0, x0 + 7, y0 + 6), INK)
    c.fill(pic.rect(x0 + 1, y0 + 1, x0 + 6, y0 + 5), SCREEN)
    c.fill(pic.rect(x0 + 2.5, y0 + 6, x0 + 4.5, y0 + 7.5), INK)
    c.fill(pic.rect(x0 + 1, y0 + 7.5, x0 + 6, y0 + 8.5), INK)


def adhoc_icon():
    """Two computers talking directly: the network without an access point."""
    c = pic.Canvas(16, 16)
    computer(c, 0.5, 6.5)
    computer(c, 8.5, 1.0)
    c.fill(pic.both(pic.ellipse_ring(8, 8.5, 3.2, 3.2, 1.1), pic.rect(5.6, 4, 11, 8.5)), WAVE)
    return c


def access_point_icon():
    """A box with an aerial sending waves: the access point."""
    c = pic.Canvas(16, 16)
    c.fill(pic.rounded_rect(1.5, 9, 14.5, 14.5, 1.5), INK)
    c.fill(pic.rounded_rect(2.5, 10, 13.5, 13.5, 1), BODY)
    for x in (4.5, 7, 9.5):
        c.fill(pic.disc(x, 11.8, 0.8), WAVE)
    c.fill(pic.rect(11, 3.5, 12.2, 9.5), INK)
    c.fill(pic.arc(11.6, 4.5, 2.4, 1.1, 55), WAVE)
    c.fill(pic.arc(11.6, 4.5, 4.4, 1.1, 50), WAVE)
    return c


def banner():
    """A band in the program's blue with radio waves spreading to the right; no words, so that it suits
    every language."""
    w, h = 588, 32
    c = pic.Canvas(w, h)
    left, right = pic.hexrgb("#123a6e"), pic.hexrgb("#4f9ee8")

    def across(x, _y):
        t = x / w
        return tuple(left[i] + (right[i] - left[i]) * t for i in range(3))
    c.fill(lambda x, y: True, across)
    c.fill(pic.rect(0, h - 2, w, h), pic.hexrgb("#f2b233"))
    cx, cy = 40, 27
    c.fill(pic.disc(cx, cy, 3), (1, 1, 1))
    for r in (8, 14, 20):
        c.fill(pic.arc(cx, cy, r, 2.4, pic.WAVE_ANGLE), (1, 1, 1), 0.9)
    for i, x in enumerate(range(90, w, 36)):
        c.fill(pic.disc(x, 15 + (i % 3) * 3 - 3, 1.6), (1, 1, 1), 0.25 + 0.5 * (x / w))
    return c


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    res = os.path.join(root, "src", "res")
    outputs = {
        os.path.join(res, "NetworkAdHoc.ico"): pic.ico_bytes([adhoc_icon()]),
        os.path.join(res, "NetworkAccessPoint.ico"): pic.ico_bytes([access_point_icon()]),
        os.path.join(res, "SiteSurveyBanner.bmp"): pic.bmp_bytes(banner()),
    }
    for path, data in outputs.items():
        with open(path, "wb") as out:
            out.write(data)
        print(path, len(data), "bytes")


if __name__ == "__main__":
    main()
