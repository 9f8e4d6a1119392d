#!/usr/bin/env python3
"""Writes the pictures of the Bitmap button tests (24-bit BMP files) next to this script.

Run it again after changing a pattern; the .bmp files are committed as generated.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../..', 'scripts'))
import bmpwrite  # noqa: E402

RED, GREEN, BLUE = (255, 0, 0), (0, 255, 0), (0, 0, 255)
YELLOW, MAGENTA, CYAN = (255, 255, 0), (255, 0, 255), (0, 255, 255)


def corner_marked(x, y):
    """16 x 16: magenta origin, red top row, blue left column, green last pixel, yellow rest."""
    if (x, y) == (0, 0):
        return MAGENTA
    if y == 0:
        return RED
    if x == 0:
        return BLUE
    if (x, y) == (15, 15):
        return GREEN
    return YELLOW


def write_bmp(name, w, h, colour_at):
    here = os.path.dirname(os.path.abspath(__file__))
    bmpwrite.write_bmp(os.path.join(here, name), w, h, colour_at)


write_bmp('marked16.bmp', 16, 16, corner_marked)
write_bmp('green16.bmp', 16, 16, lambda x, y: GREEN)
write_bmp('cyan64x48.bmp', 64, 48, lambda x, y: CYAN)
