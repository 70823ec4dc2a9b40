#!/usr/bin/env python3
"""Draws the connect wizard's two pictures, byte for byte, so that they can be redrawn from this file
alone: the side picture of its pages (a computer and an access point talking over radio waves) and the
banner strip above each page's title.

    scripts/draw-wizard-resources.py [repository root]

The shapes, the canvas and the file writers are the main window's (draw-mainwnd-resources.py). Neither
picture has words, so that both suit every language.
"""
import importlib.util
import os
import sys

_spec = importlib.util.spec_from_file_location(
    "mainwnd_pictures", os.path.join(os.path.dirname(os.path.abspath(__file__)), "draw-mainwnd-resources.py"))
pic = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(pic)

INK = pic.hexrgb("#1f3f73")
WAVE = pic.hexrgb("#2f8fe0")
LIGHT = pic.hexrgb("#3fd25a")
SIDE_SIZE = (117, 120)
BANNER_SIZE = (343, 33)


def computer(c):
    """A monitor on its stand with a keyboard in front, in the lower left."""
    c.fill(pic.rounded_rect(9, 60, 59, 96, 3), INK)
    c.fill(pic.rect(12.5, 63.5, 55.5, 92), pic.vertical(pic.hexrgb("#9fdcff"), pic.hexrgb("#2a7fd4"), 63, 92))
    # A glint across the screen's upper left.
    c.fill(pic.both(pic.rect(12.5, 63.5, 55.5, 92), lambda x, y: x + y < 96), (1, 1, 1), 0.22)
    c.fill(pic.rect(30, 96, 38, 102), INK)
    c.fill(pic.rounded_rect(21, 101, 47, 105, 1.5), INK)
    body = pic.vertical(pic.hexrgb("#f4f6f9"), pic.hexrgb("#b9c2cf"), 107, 116)
    c.fill(pic.rounded_rect(6, 107, 64, 116, 2), INK)
    c.fill(pic.rounded_rect(7, 108, 63, 115, 1.5), body)
    for row, y in enumerate((109.5, 112)):
        for x in range(10 + row * 2, 60, 5):
            c.fill(pic.rect(x, y, x + 3, y + 1.5), pic.hexrgb("#8793a6"))


def access_point(c):
    """A flat box with two aerials and its lights, in the upper right."""
    for x in (72, 97):
        c.fill(pic.rounded_rect(x, 22, x + 3.2, 44, 1.4), INK)
    body = pic.vertical(pic.hexrgb("#f4f6f9"), pic.hexrgb("#aeb8c6"), 42, 56)
    c.fill(pic.rounded_rect(62, 41, 108, 57, 4), INK)
    c.fill(pic.rounded_rect(63.5, 42.5, 106.5, 55.5, 3), body)
    for x in (70, 76, 82, 88):
        c.fill(pic.disc(x, 51, 1.6), LIGHT)
    # The radio waves rising from an aerial.
    for radius, alpha in ((6, 0.95), (11, 0.7), (16, 0.45)):
        c.fill(pic.arc(98.6, 20, radius, 2.2, pic.WAVE_ANGLE), WAVE, alpha)


def link(c):
    """Waves rising from the computer's screen, answering the access point."""
    for radius, alpha in ((8, 0.9), (14, 0.65), (20, 0.4)):
        c.fill(pic.arc(34, 57, radius, 2.4, pic.WAVE_ANGLE), WAVE, alpha)


def side_picture():
    """A computer and an access point on a soft blue gradient."""
    w, h = SIDE_SIZE
    c = pic.Canvas(w, h)
    c.fill(lambda x, y: True, pic.vertical(pic.hexrgb("#eef6ff"), pic.hexrgb("#9cc8ef"), 0, h))
    # A soft light behind the two devices.
    for radius, alpha in ((58, 0.18), (42, 0.18), (26, 0.18)):
        c.fill(pic.disc(62, 58, radius), (1, 1, 1), alpha)
    link(c)
    access_point(c)
    computer(c)
    return c


def banner():
    """A light strip: white at the left turning to a pale blue, a thin line along the bottom and faint
    waves at the right end."""
    w, h = BANNER_SIZE
    c = pic.Canvas(w, h)
    left, right = pic.hexrgb("#ffffff"), pic.hexrgb("#d3e6f8")

    def across(x, _y):
        t = x / w
        return tuple(left[i] + (right[i] - left[i]) * t for i in range(3))
    c.fill(lambda x, y: True, across)
    c.fill(pic.rect(0, h - 1.5, w, h), pic.hexrgb("#8fbbe6"))
    for radius, alpha in ((7, 0.5), (13, 0.35), (19, 0.22)):
        c.fill(pic.arc(w - 28, h - 5, radius, 2.0, pic.WAVE_ANGLE), WAVE, alpha)
    c.fill(pic.disc(w - 28, h - 5, 2.4), WAVE, 0.6)
    return c


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    res = os.path.join(root, "src", "res")
    outputs = {
        os.path.join(res, "WizardSide.bmp"): pic.bmp_bytes(side_picture()),
        os.path.join(res, "WizardBanner.bmp"): pic.bmp_bytes(banner()),
    }
    for path, data in outputs.items():
        with open(path, "wb") as out:
            out.write(data)
        print(path, len(data), "bytes")


if __name__ == "__main__":
    main()
