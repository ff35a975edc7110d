#pragma once

// A zlib stream (RFC 1950) of one deflate block with the fixed Huffman codes
// (RFC 1951): enough to make screenshots small, whose flat areas and repeated
// rows compress well, without a library. Free of platform headers.

#include <stddef.h>
#include <stdint.h>

#include <vector>

std::vector<uint8_t> ZlibCompress(const uint8_t* data, size_t size);

// Adler-32 of data, as the zlib trailer carries it.
uint32_t Adler32(const uint8_t* data, size_t size);
