#!/usr/bin/env python3
"""make_ico.py: Windows icon and cursor files from 8-bit RGBA PNGs.

  make_ico.py cursor PNG HOTX HOTY CUR   a .cur with its hot spot
  make_ico.py icon ICO PNG...            an .ico with an entry per PNG

A .cur is an .ico whose header says type 2 and whose entries carry the hot
spot where an icon's carry planes and bit count. Small images are stored as
32-bit BGRA bitmaps with their AND masks (set where the PNG is fully clear),
which every Windows since XP reads; from 48 pixels up an icon's entry is the
PNG file itself, which Windows reads since Vista and which is a twentieth of
the bitmap's size (the 128-pixel bitmap alone would be 66 kB of the program).
"""
import struct
import sys
import zlib


def read_png_rgba(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    if header is None:
        raise ValueError(f"{path}: no IHDR chunk")
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError(f"{path}: only 8-bit RGBA, non-interlaced PNGs are read")
    raw, stride, rows, prev = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
            elif kind != 0:
                raise ValueError(f"{path}: bad filter {kind} in row {y}")
        rows.append(bytes(line))
        prev = line
    return width, height, rows


SMALLEST_PNG_ENTRY = 48


def bitmap_entry(width, height, rows):
    colour = b"".join(
        bytes(px for x in range(width) for px in (row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]))
        for row in reversed(rows))  # bottom-up, BGRA
    mask_stride = (width + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x in range(width):
            if row[4 * x + 3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    # BITMAPINFOHEADER: the height counts the colour and the mask halves.
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def container(kind, entries):
    """entries: (width, height, field 4, field 6, image bytes) in file order."""
    out = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for width, height, field4, field6, image in entries:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, field4, field6, len(image), offset)
        offset += len(image)
    return out + b"".join(entry[4] for entry in entries)


def checked_size(path, width, height):
    if not (0 < width <= 256 and 0 < height <= 256):
        raise ValueError(f"{path}: the size {width} x {height} does not fit an icon entry")


def cursor_file(argv):
    path, hot_x, hot_y = argv[0], int(argv[1]), int(argv[2])
    width, height, rows = read_png_rgba(path)
    checked_size(path, width, height)
    if not (0 <= hot_x < width and 0 <= hot_y < height):
        raise ValueError(f"{path}: the hot spot ({hot_x}, {hot_y}) is outside {width} x {height}")
    return container(2, [(width, height, hot_x, hot_y, bitmap_entry(width, height, rows))])


def icon_file(paths):
    entries = []
    for path in paths:
        width, height, rows = read_png_rgba(path)
        checked_size(path, width, height)
        image = open(path, "rb").read() if min(width, height) >= SMALLEST_PNG_ENTRY else bitmap_entry(width, height, rows)
        entries.append((width, height, 1, 32, image))  # planes, bits per pixel
    return container(1, entries)


USAGE = "usage: make_ico.py cursor PNG HOTX HOTY CUR | make_ico.py icon ICO PNG..."


def main(argv):
    try:
        if len(argv) == 6 and argv[1] == "cursor":
            output, data = argv[5], cursor_file(argv[2:5])
        elif len(argv) >= 4 and argv[1] == "icon":
            output, data = argv[2], icon_file(argv[3:])
        else:
            sys.exit(USAGE)
        open(output, "wb").write(data)
    except (OSError, ValueError) as error:
        sys.exit(f"make_ico.py: {error}")


if __name__ == "__main__":
    main(sys.argv)
