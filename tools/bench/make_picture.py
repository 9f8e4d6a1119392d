#!/usr/bin/env python3
"""Writes benchpic.bmp, the benchmark's Bitmap button picture: a 16 x 16
checkerboard of 4 x 4 yellow and blue squares. The .bmp is committed as generated."""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, '..', '..', 'scripts'))
import bmpwrite  # noqa: E402

bmpwrite.write_bmp(os.path.join(here, 'benchpic.bmp'), 16, 16,
                   lambda x, y: (0, 0, 255) if (x // 4 + y // 4) % 2 else (255, 255, 0))
