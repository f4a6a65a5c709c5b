#!/usr/bin/python3
"""Writes the small PNG files of the decoder tests, one per colour type and bit depth.

Run from anywhere:  tests/gui/data/make_test_pngs.py
A hand-written encoder (standard library only) so every header field is exactly as named.
"""
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent

# The picture shared by the opaque formats: 4 x 3, red in the top-left corner.
PICTURE = [
    [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)],
    [(10, 20, 30), (200, 100, 50), (1, 2, 3), (0, 0, 0)],
    [(127, 127, 127), (255, 255, 0), (255, 0, 255), (0, 255, 255)],
]
# Straight (not premultiplied) colours with the alpha edge cases.
TRANSLUCENT = [
    [(255, 255, 255, 255), (90, 80, 70, 0), (200, 100, 50, 128)],
    [(0, 0, 0, 255), (255, 0, 0, 64), (10, 200, 30, 255)],
]
GREY_LEVELS = {1: [[0, 1], [1, 0]], 2: [[0, 1], [2, 3]], 4: [[0, 5], [10, 15]], 8: [[0, 85], [170, 255]]}
GREY_ALPHA = [[(255, 255), (100, 0)], [(200, 128), (0, 255)]]

COLOR_GREY, COLOR_RGB, COLOR_PALETTE, COLOR_GREY_ALPHA, COLOR_RGBA = 0, 2, 3, 4, 6


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def pack_row(samples, bit_depth):
    if bit_depth == 8:
        return bytes(samples)
    if bit_depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    per_byte = 8 // bit_depth
    out = bytearray()
    for start in range(0, len(samples), per_byte):
        group = samples[start:start + per_byte] + [0] * (per_byte - len(samples[start:start + per_byte]))
        value = 0
        for sample in group:
            value = (value << bit_depth) | sample
        out.append(value)
    return bytes(out)


def encode_png(width, height, bit_depth, color_type, rows, extra_chunks=(), level=9):
    header = struct.pack(">IIBBBBB", width, height, bit_depth, color_type, 0, 0, 0)
    raw = b"".join(b"\x00" + pack_row(row, bit_depth) for row in rows)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    for kind, body in extra_chunks:
        data += chunk(kind, body)
    return data + chunk(b"IDAT", zlib.compress(raw, level)) + chunk(b"IEND", b"")


def write_png(name, *args, **kwargs):
    (HERE / name).write_bytes(encode_png(*args, **kwargs))


def write_damaged_files():
    """Damaged variants of a 16 x 16 opaque green image: cut off inside its pixel data; with a
    compressed stream whose second half is invalid, so only the first eight rows decode; and
    bytes that are no PNG at all."""
    width = height = 16
    raw = b"".join(b"\x00" + bytes([0, 255, 0, 255] * width) for _ in range(height))
    whole = encode_png(width, height, 8, COLOR_RGBA, [[0, 255, 0, 255] * width] * height, level=0)
    (HERE / "truncated_rgba8.bin").write_bytes(whole[:len(whole) // 2])

    half = raw[:len(raw) // 2]
    stored = b"\x00" + struct.pack("<HH", len(half), len(half) ^ 0xFFFF) + half
    broken = b"\x01" + struct.pack("<HH", 16, 0)  # lengths that do not complement each other
    header = struct.pack(">IIBBBBB", width, height, 8, COLOR_RGBA, 0, 0, 0)
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", b"\x78\x01" + stored + broken)
            + chunk(b"IEND", b""))
    (HERE / "broken_deflate_rgba8.bin").write_bytes(data)
    (HERE / "not_a_png.bin").write_bytes(b"This is not a PNG file, only text.\n" * 4)


def flatten(rows):
    return [[channel for pixel in row for channel in pixel] for row in rows]


def main():
    height, width = len(PICTURE), len(PICTURE[0])
    write_png("rgb8.png", width, height, 8, COLOR_RGB, flatten(PICTURE))
    write_png("rgb16.png", width, height, 16, COLOR_RGB, [[c * 257 for c in row] for row in flatten(PICTURE)])

    palette = sorted({pixel for row in PICTURE for pixel in row})
    indices = [[palette.index(pixel) for pixel in row] for row in PICTURE]
    write_png("palette8.png", width, height, 8, COLOR_PALETTE, indices,
              [(b"PLTE", bytes(c for pixel in palette for c in pixel))])

    # tRNS on an RGB image: the colour (1, 2, 3) becomes fully transparent.
    write_png("rgb8_trns.png", width, height, 8, COLOR_RGB, flatten(PICTURE), [(b"tRNS", struct.pack(">HHH", 1, 2, 3))])

    write_png("rgba8.png", len(TRANSLUCENT[0]), len(TRANSLUCENT), 8, COLOR_RGBA, flatten(TRANSLUCENT))
    write_png("grey_alpha8.png", 2, 2, 8, COLOR_GREY_ALPHA, flatten(GREY_ALPHA))
    for depth, levels in GREY_LEVELS.items():
        write_png(f"grey{depth}.png", 2, 2, depth, COLOR_GREY, levels)
    write_damaged_files()


if __name__ == "__main__":
    main()
