#!/usr/bin/env python3
"""Writes the demo panel's Bitmap button pictures (24 x 24, 24-bit BMP) next to this script.

A 24 x 24 picture fits a 32 x 32 framed Bitmap button: at (3, 3) normally, at (5, 5)
pressed, inside the edges. Run again after changing a drawing; the .bmp files are
committed as generated.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../..', 'scripts'))
import bmpwrite  # noqa: E402

SIZE = 24
FACE = (192, 192, 192)
GREEN, RED, BLACK, DARK = (0, 160, 0), (224, 0, 0), (0, 0, 0), (64, 64, 64)


def play(x, y):
    # Triangle pointing right, its tip in the middle of the right side.
    inside = 6 <= x <= 19 and abs(y - 11.5) <= (20 - x) * 0.5
    return GREEN if inside else FACE


def stop(x, y):
    if 6 <= x <= 17 and 6 <= y <= 17:
        return DARK
    return FACE


def rec(x, y):
    d = (x - 11.5) ** 2 + (y - 11.5) ** 2
    if d <= 6.5 ** 2:
        return RED
    if d <= 7.5 ** 2:
        return BLACK
    return FACE


def write_bmp(name, colour_at):
    here = os.path.dirname(os.path.abspath(__file__))
    bmpwrite.write_bmp(os.path.join(here, name), SIZE, SIZE, colour_at)


write_bmp('play.bmp', play)
write_bmp('stop.bmp', stop)
write_bmp('rec.bmp', rec)
