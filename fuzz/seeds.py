#!/usr/bin/env python3
"""Writes the seeds of fuzz/corpus/png and fuzz/corpus/letter: tiny PNG
files of every colour type, damaged and hostile ones, and bitmap fonts.
Deterministic: running it again gives the same bytes."""
import pathlib
import struct
import zlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"
SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, color_type, depth, rows, interlace=0, extra=b"", compress=True):
    """rows: the filtered scanlines (filter byte first), already packed."""
    header = struct.pack(">IIBBBBB", width, height, depth, color_type, 0, 0, interlace)
    data = b"".join(rows)
    return (SIGNATURE + chunk(b"IHDR", header) + extra +
            chunk(b"IDAT", zlib.compress(data, 9) if compress else data) + chunk(b"IEND", b""))


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


rgba = png(3, 2, 6, 8, [b"\0" + bytes([10, 20, 30, 255, 40, 50, 60, 128, 70, 80, 90, 0]),
                         b"\2" + bytes([1, 2, 3, 4] * 3)])
write("png", "rgba", rgba)
write("png", "rgb16", png(2, 2, 2, 16, [b"\0" + bytes(range(12)), b"\1" + bytes(range(12, 24))]))
write("png", "grey_alpha", png(2, 1, 4, 8, [b"\3" + bytes([200, 100, 50, 25])]))
# 1-bit grey in seven Adam7 passes: 9 x 9 packs into whole and partial bytes.
passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
interlaced_rows = []
for x0, y0, dx, dy in passes:
    columns = len(range(x0, 9, dx))
    for _ in range(y0, 9, dy):
        interlaced_rows.append(b"\0" + bytes([0xA5] * ((columns + 7) // 8)))
write("png", "grey1_interlaced", png(9, 9, 0, 1, interlaced_rows, interlace=1))
palette = chunk(b"PLTE", bytes([255, 0, 0, 0, 255, 0, 0, 0, 255])) + chunk(b"tRNS", bytes([0, 128]))
write("png", "palette4_trns", png(3, 2, 3, 4, [b"\0" + bytes([0x01, 0x20]), b"\0" + bytes([0x21, 0x00])],
                                   extra=palette))
write("png", "truncated", rgba[:len(rgba) - 20])
damaged = bytearray(rgba)
damaged[-20] ^= 0x40  # inside the IDAT data: its CRC no longer matches
write("png", "bad_crc", bytes(damaged))
# A header far beyond the pixmap limits over almost no data.
write("png", "huge", png(20000, 20000, 6, 8, [b"\0"], compress=True))
# 512 x 512 blank grey that deflates to a few hundred bytes.
write("png", "blank_512", png(512, 512, 0, 8, [b"\0" + bytes(512)] * 512))


def font(control, description, image=None):
    data = bytes([control]) + description.encode("utf-8")
    return data if image is None else data + b"\0" + image


SMALL = ("[Font]\nh=1\nv=1\n"
         "[Char32]\nchar=32\nx=0\ny=0\nw=4\nh=6\n"
         "[Char65]\nchar=65\nx=4\ny=0\nw=6\nh=6\n"
         "[Char66]\nchar=66\nx=10\ny=0\nw=5\nh=6\n"
         "[Char61]\nchar=61\nx=0\ny=6\nw=5\nh=4\n"
         "AB BA  AAB=BBA ABBA\n")
# A 16 x 10 image made from the bytes after its size: grey ramps, half alpha.
made_image = bytes([16, 10]) + bytes([0, 0, 0, 0, 255, 255, 255, 255, 128, 128, 128, 128])
write("letter", "small", font(0x04 | 0x20, SMALL, made_image))
write("letter", "png_image", font(0x04 | 0x20 | 0x40, SMALL, rgba))
write("letter", "no_image", font(0x00, SMALL))
write("letter", "odd_sections",
      font(0x3F,
           "[Char]\nchar=97\nw=5\nh=6\n[Char]\nchar=98\nw=7\nh=8\n[Char]\nchar=97\nw=9\nh=4\n"
           "[Char0]\nchar=0\nw=3\nh=3\n[CharMax]\nchar=65535\nw=3\nh=3\n"
           "[CharNeg]\nchar=99\nw=-3\nh=5\n[CharOut]\nchar=100\nx=40\ny=40\nw=10\nh=10\n"
           "[Font]\nh=3\nv=-2\nabcd ba dcba\n", made_image))
write("letter", "wide_chars",
      font(0x24, "[Font]\nh=0\n[C1]\n[Char233]\nchar=233\nw=7\nh=9\n[Char20013]\nchar=20013\nw=12\nh=12\n"
                 "[Char32]\nchar=32\nw=3\nh=1\n\u00e9\u00e9 \u4e2d\u4e2d \U0001F600\n", made_image))
write("letter", "huge",
      font(0x3F, "[Font]\nh=-1000000000\nv=1073741824\n[Char97]\nchar=97\nw=2147483647\nh=2147483647\n"
                 "[Char32]\nchar=32\nx=-2147483648\ny=2147483647\nw=0\nh=0\naa a\n", made_image))
