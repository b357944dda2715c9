#!/usr/bin/env python3
"""make_cursor.py PNG HOTX HOTY CUR: a Windows .cur from an 8-bit RGBA PNG.

A .cur is an .ico whose header says type 2 and whose entries carry the hot
spot where an icon's carry planes and bit count. The image is stored as a
32-bit BGRA bitmap with its AND mask (set where the PNG is fully clear), which
every Windows since XP reads.
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


def cursor_bytes(width, height, rows, hot_x, hot_y):
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
    image = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image += colour + mask
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return header + entry + image


def main(argv):
    if len(argv) != 5:
        sys.exit("usage: make_cursor.py PNG HOTX HOTY CUR")
    try:
        width, height, rows = read_png_rgba(argv[1])
        hot_x, hot_y = int(argv[2]), int(argv[3])
        if not (0 <= hot_x < width and 0 <= hot_y < height) or width > 256 or height > 256:
            raise ValueError(f"{argv[1]}: the hot spot ({hot_x}, {hot_y}) or the size {width} x {height} does not fit")
        open(argv[4], "wb").write(cursor_bytes(width, height, rows, hot_x, hot_y))
    except (OSError, ValueError) as error:
        sys.exit(f"make_cursor.py: {error}")


if __name__ == "__main__":
    main(sys.argv)
