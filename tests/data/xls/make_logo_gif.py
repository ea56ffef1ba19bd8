#!/usr/bin/env python3
"""Writes logo.gif: a 48 x 24 GIF, red on the left half and blue on the right, with a green
block in the top-left corner. LZW codes are written uncompressed (a clear code every 250
codes keeps them 9 bits wide), which every GIF reader accepts."""
import struct

W, H = 48, 24
palette = [(255, 0, 0), (0, 0, 255), (0, 160, 0)] + [(0, 0, 0)] * 253
pixels = [2 if (x < 8 and y < 8) else (0 if x < W // 2 else 1) for y in range(H) for x in range(W)]

codes, clear, end = [], 256, 257
for i, p in enumerate(pixels):
    if i % 250 == 0:
        codes.append(clear)
    codes.append(p)
codes.append(end)
bits, nbits, data = 0, 0, bytearray()
for c in codes:
    bits |= c << nbits
    nbits += 9
    while nbits >= 8:
        data.append(bits & 0xFF)
        bits >>= 8
        nbits -= 8
if nbits:
    data.append(bits & 0xFF)

out = bytearray(b"GIF89a" + struct.pack("<HHBBB", W, H, 0xF7, 0, 0))
for rgb in palette:
    out += bytes(rgb)
out += b"," + struct.pack("<HHHHB", 0, 0, W, H, 0) + bytes([8])
for i in range(0, len(data), 255):
    chunk = data[i:i + 255]
    out += bytes([len(chunk)]) + chunk
out += b"\x00;"
open("logo.gif", "wb").write(out)
