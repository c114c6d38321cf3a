#!/usr/bin/env python3
"""Writes busy.gif beside this script: the busy indicator the connection dialog shows while it
waits for the database; busy48.gif and busy64.gif are the same drawn larger, for displays with
150 % and 200 % scaling.

Twelve short grey spokes in a ring on a transparent background; a group of darker spokes moves on
by one spoke (30 degrees) clockwise per frame. GIF89a, 32 x 32, a global table of 256 colours,
looping without end, 12 frames of 100 ms with disposal 1 ("leave in place") and transparent index
0. The first frame covers the screen; each later one only the rectangle whose pixels change.
Anti-aliasing would need a known background, so the spokes have clean edges.

Lengths below are in pixels of the 32-pixel picture; the larger pictures scale them.

Python 3 standard library only. Run: python3 resources/generate_busy_gif.py
"""
import math
import os
import struct

DESIGN_SIZE = 32
SIZES = (32, 48, 64)
SPOKES = 12
FRAMES = 12
DELAY_HUNDREDTHS = 10
INNER_RADIUS = 7.5
OUTER_RADIUS = 14.5
HALF_WIDTH = 1.25
MIN_CODE_SIZE = 8

TRANSPARENT = 0  # white, also the background colour index
IDLE = 1         # the light grey of the resting spokes
# The moving group, from its leading spoke backwards: darkest first.
GROUP = [2, 3, 4, 5]
# Greys chosen to stand out on the dialog's face colour (about 212, 208, 200) as well as on white.
PALETTE = [(255, 255, 255), (176, 176, 176), (48, 48, 48), (88, 88, 88), (120, 120, 120),
           (150, 150, 150)]


def spoke_at(x, y, size):
    """The spoke (0 = twelve o'clock, counting clockwise) that covers pixel (x, y), or None."""
    scale = size / DESIGN_SIZE
    dx = x + 0.5 - size / 2
    dy = y + 0.5 - size / 2
    for spoke in range(SPOKES):
        angle = 2 * math.pi * spoke / SPOKES
        ux, uy = math.sin(angle), -math.cos(angle)  # screen y grows downwards
        along = dx * ux + dy * uy
        across = abs(dx * uy - dy * ux)
        if INNER_RADIUS * scale <= along <= OUTER_RADIUS * scale and across <= HALF_WIDTH * scale:
            return spoke
    return None


def picture(frame, size):
    """Colour indexes, row by row, of the whole screen at the given frame."""
    pixels = []
    for y in range(size):
        for x in range(size):
            spoke = spoke_at(x, y, size)
            if spoke is None:
                pixels.append(TRANSPARENT)
                continue
            behind_leader = (frame - spoke) % SPOKES
            pixels.append(GROUP[behind_leader] if behind_leader < len(GROUP) else IDLE)
    return pixels


def changed_rectangle(before, after, size):
    """(left, top, width, height) of the pixels that differ."""
    changed = [(i % size, i // size) for i, (a, b) in enumerate(zip(before, after)) if a != b]
    xs = [x for x, _ in changed]
    ys = [y for _, y in changed]
    return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def lzw_codes(indexes, min_code_size):
    """(code, width) pairs: a clear code first, the width growing to 12 bits, a clear code
    whenever the table is full, the end code last."""
    clear = 1 << min_code_size
    codes = []
    table, next_code, width = {}, clear + 2, min_code_size + 1

    def count_code():
        # The decoder defines each code one step later than here; counting keeps widths in step.
        nonlocal next_code, width
        if next_code < 4096:
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1

    codes.append((clear, width))
    current = indexes[0]
    for index in indexes[1:]:
        if (current, index) in table:
            current = table[(current, index)]
            continue
        codes.append((current, width))
        if next_code < 4096:
            table[(current, index)] = next_code
            count_code()
        else:
            codes.append((clear, width))
            table, next_code, width = {}, clear + 2, min_code_size + 1
        current = index
    codes.append((current, width))
    count_code()
    codes.append((clear + 1, width))
    return codes


def image_data(indexes):
    """The LZW minimum code size, the packed codes in sub-blocks of at most 255 bytes, and the
    terminator."""
    bits, count, packed = 0, 0, bytearray()
    for code, width in lzw_codes(indexes, MIN_CODE_SIZE):
        bits |= code << count
        count += width
        while count >= 8:
            packed.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        packed.append(bits)
    data = bytearray([MIN_CODE_SIZE])
    for start in range(0, len(packed), 255):
        block = packed[start:start + 255]
        data += bytes([len(block)]) + block
    return data + b"\x00"


def frame_block(pixels, rectangle, size):
    left, top, width, height = rectangle
    indexes = [pixels[y * size + x] for y in range(top, top + height) for x in range(left, left + width)]
    graphic_control = struct.pack("<BBBBHBB", 0x21, 0xF9, 4, (1 << 2) | 1, DELAY_HUNDREDTHS, TRANSPARENT, 0)
    descriptor = struct.pack("<BHHHHB", 0x2C, left, top, width, height, 0)
    return graphic_control + descriptor + image_data(indexes)


def busy_gif(size):
    table = PALETTE + [(255, 255, 255)] * (256 - len(PALETTE))
    stream = bytearray(b"GIF89a")
    stream += struct.pack("<HHBBB", size, size, 0xF7, TRANSPARENT, 0)  # table of 256, resolution 8
    stream += bytes(component for colour in table for component in colour)
    stream += b"\x21\xFF\x0BNETSCAPE2.0" + struct.pack("<BBHB", 3, 1, 0, 0)  # loop without end
    previous = None
    for frame in range(FRAMES):
        pixels = picture(frame, size)
        rectangle = (0, 0, size, size) if previous is None else changed_rectangle(previous, pixels, size)
        stream += frame_block(pixels, rectangle, size)
        previous = pixels
    return bytes(stream + b"\x3B")


def main():
    for size in SIZES:
        name = "busy.gif" if size == DESIGN_SIZE else f"busy{size}.gif"
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
        data = busy_gif(size)
        with open(path, "wb") as out:
            out.write(data)
        print(f"wrote {path}: {len(data)} bytes")


if __name__ == "__main__":
    main()
