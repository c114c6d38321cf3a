#!/usr/bin/env python3
"""Draws the dialog's logo (logo.png, and logo48.png and logo64.png for larger display scaling)
and the application icon (app.ico) beside this script.

Python 3 standard library only. The generated files are committed, so a build never runs this:
run it again only to change the pictures.

Every shape is a point test in picture units (0 to 1 across the picture). A pixel is sampled
SUPERSAMPLING x SUPERSAMPLING times; each sample takes the colour of the topmost shape that holds
it, and the pixel's alpha is the share of samples any shape holds. That gives soft edges with
straight (not premultiplied) colour.
"""
import math
import pathlib
import struct
import zlib

SOFTWARE = "dbsetup generate_pictures.py"
SUPERSAMPLING = 8
HERE = pathlib.Path(__file__).resolve().parent


# Shapes ----------------------------------------------------------------------------------------

class RoundedRect:
    def __init__(self, left, top, right, bottom, radius):
        self.left, self.top, self.right, self.bottom, self.radius = left, top, right, bottom, radius

    def contains(self, x, y):
        if not (self.left <= x <= self.right and self.top <= y <= self.bottom):
            return False
        dx = max(self.left + self.radius - x, 0, x - (self.right - self.radius))
        dy = max(self.top + self.radius - y, 0, y - (self.bottom - self.radius))
        return dx * dx + dy * dy <= self.radius * self.radius


class Polygon:
    def __init__(self, points):
        self.points = points

    def contains(self, x, y):
        inside = False
        previous = self.points[-1]
        for point in self.points:
            (x1, y1), (x2, y2) = previous, point
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
            previous = point
        return inside


class Circle:
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.radius = cx, cy, radius

    def contains(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.radius ** 2


class StadiumRing:
    """The band around a horizontal segment: points whose distance to it is radius +- width / 2."""

    def __init__(self, cx, cy, half_length, radius, width):
        self.cx, self.cy, self.half_length = cx, cy, half_length
        self.radius, self.width = radius, width

    def contains(self, x, y):
        dx = max(abs(x - self.cx) - self.half_length, 0)
        distance = math.hypot(dx, y - self.cy)
        return abs(distance - self.radius) <= self.width / 2


class Clipped:
    def __init__(self, shape, clip):
        self.shape, self.clip = shape, clip

    def contains(self, x, y):
        return self.clip.contains(x, y) and self.shape.contains(x, y)


class Along:
    """A shape given in a frame along a line: u runs from `origin` towards `target`, v across it."""

    def __init__(self, origin, target, shape):
        self.origin = origin
        length = math.hypot(target[0] - origin[0], target[1] - origin[1])
        self.axis = ((target[0] - origin[0]) / length, (target[1] - origin[1]) / length)
        self.shape = shape

    def contains(self, x, y):
        dx, dy = x - self.origin[0], y - self.origin[1]
        u = dx * self.axis[0] + dy * self.axis[1]
        v = -dx * self.axis[1] + dy * self.axis[0]
        return self.shape.contains(u, v)


# Rendering -------------------------------------------------------------------------------------

def render(layers, size):
    """Returns rows of (r, g, b, a) tuples; `layers` is a list of (shape, colour), bottom first.

    A colour may carry a fourth value, its opacity (0 to 1), for shadows; a sample takes that
    opacity as it is, so translucent shapes belong at the bottom, with nothing below them."""
    topmost_first = list(reversed(layers))
    steps = [(i + 0.5) / SUPERSAMPLING for i in range(SUPERSAMPLING)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total, covered = [0, 0, 0], 0
            for sy in steps:
                for sx in steps:
                    colour = sample(topmost_first, (px + sx) / size, (py + sy) / size)
                    if colour is not None:
                        opacity = colour[3] if len(colour) == 4 else 1.0
                        covered += opacity
                        total = [t + c * opacity for t, c in zip(total, colour[:3])]
            row.append(average_pixel(total, covered))
        rows.append(row)
    return rows


def sample(topmost_first, x, y):
    for shape, colour in topmost_first:
        if shape.contains(x, y):
            return colour
    return None


def average_pixel(total, covered):
    if covered == 0:
        return (0, 0, 0, 0)
    samples = SUPERSAMPLING * SUPERSAMPLING
    r, g, b = (min(255, round(channel / covered)) for channel in total)
    return (r, g, b, round(255 * covered / samples))


# The pictures ----------------------------------------------------------------------------------

SHEET_EDGE = (104, 124, 150)
SHEET_FACE = (222, 231, 240)
SHEET_BAR = (146, 166, 192)
SHADOW = (40, 50, 70, 0.3)


def sheet(left, top, right, bottom, bars, edge):
    """A pale blue-grey sheet with an edge `edge` wide; `bars` are (top, bottom, left, right)."""
    layers = [
        (RoundedRect(left, top, right, bottom, 2.5 / 32), SHEET_EDGE),
        (RoundedRect(left + edge, top + edge, right - edge, bottom - edge, 1.6 / 32), SHEET_FACE),
    ]
    for bar_top, bar_bottom, bar_left, bar_right in bars:
        layers.append((RoundedRect(bar_left, bar_top, bar_right, bar_bottom, 0.5 / 32), SHEET_BAR))
    return layers


def pencil(tip, end, half_width):
    """An orange pencil from its point at `tip` to its pink eraser at `end`, in units."""
    length = math.hypot(end[0] - tip[0], end[1] - tip[1])
    w = half_width
    cone = 0.25 * length     # sharpened wood
    ferrule = 0.76 * length  # where the metal band starts
    eraser = 0.86 * length
    outline = 0.7 / 32

    def part(shape, colour):
        return (Along(tip, end, shape), colour)

    return [
        part(Polygon([(-1.4 * outline, 0), (cone, -w - outline), (cone, w + outline)]), (96, 54, 24)),
        part(RoundedRect(cone - outline, -w - outline, length + outline, w + outline, w), (96, 54, 24)),
        part(Polygon([(0, 0), (cone, -w), (cone, w)]), (240, 206, 158)),
        part(Polygon([(0, 0), (0.38 * cone, -0.38 * w), (0.38 * cone, 0.38 * w)]), (58, 58, 64)),
        part(RoundedRect(cone, -w, ferrule, -w / 3, 0), (255, 196, 92)),
        part(RoundedRect(cone, -w / 3, ferrule, w / 3, 0), (246, 150, 34)),
        part(RoundedRect(cone, w / 3, ferrule, w, 0), (212, 110, 20)),
        part(RoundedRect(ferrule, -w, eraser, w, 0), (176, 182, 190)),
        part(RoundedRect(ferrule + 0.3 * (eraser - ferrule), -w, ferrule + 0.5 * (eraser - ferrule), w, 0),
             (126, 132, 142)),
        part(RoundedRect(eraser, -w, length, w, 0.8 * w), (240, 140, 164)),
    ]


def logo_layers():
    """The sheet and its bars sit on whole pixels, so only the pencil and the corners are soft."""
    px = 1.0 / 32
    bars = [(y * px, (y + 2) * px, 8 * px, right * px)
            for y, right in ((6, 21), (10, 21), (14, 19), (18, 14), (22, 11))]
    shadow = [(RoundedRect(5 * px, 3 * px, 26.2 * px, 31.2 * px, 3 * px), SHADOW)]
    return shadow + sheet(4 * px, 2 * px, 25 * px, 30 * px, bars, px) + \
        pencil((4.5 * px, 28.0 * px), (30.0 * px, 3.5 * px), 3.1 * px)


def chain_link(cx, cy, half_length, radius, width, edge):
    """Two interlocked grey rings, each a band `width` wide with a dark edge (none if edge is 0)."""
    dark, grey = (84, 90, 100), (176, 182, 190)
    # Each ring's end reaches through the other's opening.
    offset = half_length + radius / 2
    left, right = (cx - offset, cy), (cx + offset, cy)

    def ring(centre, band):
        return StadiumRing(centre[0], centre[1], half_length, radius, band)

    def banded(shape_of):
        if edge == 0:
            return [(shape_of(width), dark)]
        return [(shape_of(width + 2 * edge), dark), (shape_of(width), grey)]

    # The left ring passes over the right one at the upper crossing, under it at the lower one.
    upper_crossing = RoundedRect(cx - radius, cy - 2 * radius, cx + radius, cy, 0)
    return (banded(lambda band: ring(left, band)) + banded(lambda band: ring(right, band))
            + banded(lambda band: Clipped(ring(left, band), upper_crossing)))


def icon_layers(size):
    """Edges fall on whole pixels, so that the small sizes stay crisp; below 40 pixels the link is
    a plain dark band of about one pixel, since a light core would only blur."""
    px = 1.0 / size

    def snap(value):
        return round(value * size) * px

    bar_height = max(snap(0.065), px)
    bars = [(snap(top), snap(top) + bar_height, snap(0.27), snap(right))
            for top, right in ((0.16, 0.73), (0.29, 0.73), (0.42, 0.52))]
    layers = sheet(snap(0.14), snap(0.04), snap(0.86), snap(0.96), bars, px)
    if size >= 40:
        layers += chain_link(0.5, 0.745, 0.085, 0.105, 0.055, 0.022)
    else:
        layers += chain_link(0.5, 0.745, 0.085, 0.105, 1.3 * px, 0)
    layers.append((Circle(0.69, 0.455, 0.085), (150, 20, 20)))
    layers.append((Circle(0.69, 0.455, 0.062), (228, 42, 36)))
    return layers


# File formats ----------------------------------------------------------------------------------

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_file(rows):
    """RGBA, 8 bits per channel, not interlaced; chunks IHDR, tEXt (Software), IDAT, IEND."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + png_chunk(b"tEXt", b"Software\x00" + SOFTWARE.encode("ascii"))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def icon_image(rows):
    """BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask (set where fully transparent)."""
    size = len(rows)
    mask_stride = (size + 31) // 32 * 4
    colours, mask = bytearray(), bytearray()
    for row in reversed(rows):
        colours += bytes(channel for r, g, b, a in row for channel in (b, g, r, a))
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(colours) + len(mask), 0, 0, 0, 0)
    return header + bytes(colours) + bytes(mask)


def ico_file(images):
    """An icon file: directory header, one 16-byte entry per image, then the images."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    # The logo as designed (32 pixels) and for displays with 150 % and 200 % scaling.
    for size, name in ((32, "logo.png"), (48, "logo48.png"), (64, "logo64.png")):
        (HERE / name).write_bytes(png_file(render(logo_layers(), size)))
    icons = [(size, icon_image(render(icon_layers(size), size))) for size in (48, 32, 24, 16)]
    (HERE / "app.ico").write_bytes(ico_file(icons))


if __name__ == "__main__":
    main()
