#!/usr/bin/env python3
"""Writes the picture files of the demo panel's Combo BMP buttons (32 x 32, 24-bit BMP)
into files/ beside this script. The buttons name them without the extension (CAM for
CAM.BMP); the build copies them next to the demo program, where the buttons find them.
Run again after changing a drawing; the .BMP files are committed as generated.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../..', 'scripts'))
import bmpwrite  # noqa: E402

SIZE = 32
FACE = (192, 192, 192)
BLACK, DARK, WHITE = (0, 0, 0), (64, 64, 64), (255, 255, 255)
RED, YELLOW, BLUE, SKY, GREEN = (224, 0, 0), (255, 224, 0), (0, 64, 192), (96, 176, 255), (0, 144, 0)


def inside_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def cam(x, y):
    # Camera body with a lens and a red tally lamp.
    if inside_circle(x, y, 14, 17, 5):
        return BLUE if inside_circle(x, y, 14, 17, 3) else BLACK
    if x == 25 and 10 <= y <= 11 or x == 26 and 10 <= y <= 11:
        return RED
    if 4 <= x <= 27 and 9 <= y <= 25:
        return DARK
    if 24 <= x <= 30 and 14 <= y <= 20:
        return DARK
    return FACE


def mic(x, y):
    # Microphone capsule on a stand.
    if inside_circle(x, y, 16, 9, 6):
        return DARK if (x + y) % 3 else BLACK
    if 15 <= x <= 16 and 15 <= y <= 26:
        return BLACK
    if 9 <= x <= 22 and 27 <= y <= 28:
        return BLACK
    return FACE


def vtr(x, y):
    # Tape cassette with two reels.
    if inside_circle(x, y, 10, 15, 4) or inside_circle(x, y, 21, 15, 4):
        return WHITE if inside_circle(x, y, 10, 15, 1) or inside_circle(x, y, 21, 15, 1) else BLACK
    if 3 <= x <= 28 and 7 <= y <= 24:
        return DARK
    return FACE


def lamp(x, y):
    # Light bulb.
    if inside_circle(x, y, 16, 12, 8):
        return YELLOW
    if 12 <= x <= 19 and 20 <= y <= 26:
        return DARK if y % 2 else (128, 128, 128)
    return FACE


def sky(x, y):
    # Sky, sun and a hill: made to be stretched over a whole button.
    if y >= 22 + ((x - 10) ** 2) // 40:
        return GREEN
    if inside_circle(x, y, 23, 9, 4):
        return YELLOW
    return SKY


here = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'files')
os.makedirs(here, exist_ok=True)
for name, colour_at in (('CAM', cam), ('MIC', mic), ('VTR', vtr), ('LAMP', lamp), ('SKY', sky)):
    bmpwrite.write_bmp(os.path.join(here, name + '.BMP'), SIZE, SIZE, colour_at)
