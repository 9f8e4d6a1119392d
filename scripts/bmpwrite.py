"""Writes 24-bit Windows BMP files; the picture generators of the project share it."""
import struct


def write_bmp(path, w, h, colour_at):
    """colour_at(x, y) gives (r, g, b) for each pixel, y = 0 at the top."""
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(w):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        pixels += row + bytes(stride - len(row))
    header = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, 'wb') as f:
        f.write(struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset))
        f.write(header)
        f.write(pixels)
