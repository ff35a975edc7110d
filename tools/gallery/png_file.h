#pragma once

// Screenshots as PNG files: 8-bit RGB, no interlace, each row filtered with
// the filter that leaves the smallest residue. Free of platform headers.

#include <stddef.h>
#include <stdint.h>

#include <vector>

// Rows from top to bottom, three bytes (red, green, blue) per pixel.
struct RgbImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;
};

std::vector<uint8_t> EncodePng(const RgbImage& image);

// CRC-32 as PNG chunks carry it.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
