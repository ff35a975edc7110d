#!/usr/bin/env python3
"""Writes the bitmaps of bad_bitmaps.dll: pictures of every wrong kind that a
driver's image module could hold under the manual duplex step identifiers.
Run from this directory after changing it; the .bmp files are committed."""
import struct

def info_header(width, height, bits, compression=0, image_size=0, colours_used=0, size=40):
    return struct.pack('<IiiHHIIiiII', size, width, height, 1, bits, compression, image_size, 0, 0,
                       colours_used, 0)

def palette(count):
    return b''.join(struct.pack('<BBBB', (i * 37) % 256, (i * 91) % 256, (i * 53) % 256, 0) for i in range(count))

def rows(width, height, bits, pixel):
    stride = ((width * bits + 31) // 32) * 4
    out = bytearray()
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            value = pixel(x, y)
            if bits == 24:
                row[3 * x:3 * x + 3] = bytes([value & 255, (value >> 8) & 255, (value >> 16) & 255])
            elif bits == 32:
                row[4 * x:4 * x + 4] = struct.pack('<I', value)
            elif bits == 8:
                row[x] = value & 255
            elif bits == 4:
                row[x // 2] |= (value & 15) << (4 if x % 2 == 0 else 0)
            elif bits == 1:
                row[x // 8] |= (value & 1) << (7 - x % 8)
        out += row
    return bytes(out)

def rle8(width, height):
    out = bytearray()
    for y in range(height):
        out += bytes([width // 2, y % 4, width - width // 2, (y + 1) % 4])
        out += b'\x00\x00'  # end of line
    return bytes(out + b'\x00\x01')  # end of bitmap

def rle4(width, height):
    out = bytearray()
    for y in range(height):
        out += bytes([width, 0x12 + y % 3])
        out += b'\x00\x00'
    return bytes(out + b'\x00\x01')

def corrupt_rle8():
    # Runs longer than the width, a delta far outside, no end of bitmap.
    return bytes([255, 1, 255, 2, 0, 2, 200, 200, 255, 3, 0, 0, 255, 1])

def write(name, header_and_bits):
    with open(name, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header_and_bits), 0, 0, 14 + 40))
        f.write(header_and_bits)

checker = lambda x, y: (x // 4 + y // 4) % 2
write('rgb24.bmp', info_header(40, 25, 24) + rows(40, 25, 24, lambda x, y: x * 6 << 16 | y * 10 << 8 | 128))
write('mono.bmp', info_header(155, 100, 1, colours_used=2) + palette(2) + rows(155, 100, 1, checker))
write('rle8.bmp', info_header(40, 25, 8, compression=1, image_size=len(rle8(40, 25)), colours_used=4)
      + palette(4) + rle8(40, 25))
write('rle4.bmp', info_header(40, 25, 4, compression=2, image_size=len(rle4(40, 25))) + palette(16) + rle4(40, 25))
write('bits_cut_short.bmp', info_header(155, 100, 4, image_size=7800) + palette(16) + bytes(range(64)))
write('bitfields32.bmp', info_header(40, 25, 32, compression=3) + struct.pack('<III', 0xFF0000, 0xFF00, 0xFF)
      + rows(40, 25, 32, lambda x, y: x * 6 << 16 | y * 10))
write('top_down.bmp', info_header(40, -25, 8, colours_used=4) + palette(4) + rows(40, 25, 8, lambda x, y: x % 4))
write('seven_bits.bmp', info_header(40, 25, 7) + palette(16) + bytes(200))
write('core_header.bmp', struct.pack('<IHHHH', 12, 40, 25, 1, 4)
      + b''.join(struct.pack('<BBB', i * 16, 255 - i * 16, i * 8) for i in range(16)) + rows(40, 25, 4, checker))
write('huge.bmp', info_header(100000, 100000, 4) + palette(16) + bytes(64))
write('empty.bmp', info_header(0, 0, 8, colours_used=4) + palette(4))
write('header_cut_short.bmp', info_header(155, 100, 4)[:20])
write('palette_count_absurd.bmp', info_header(40, 25, 8, colours_used=0xFFFFFFFF) + palette(4)
      + rows(40, 25, 8, lambda x, y: y % 4))
write('rle8_corrupt.bmp', info_header(40, 25, 8, compression=1, image_size=len(corrupt_rle8()), colours_used=4)
      + palette(4) + corrupt_rle8())
