#include "png_file.h"

#include <stdlib.h>
#include <string.h>

#include "zlib_stream.h"

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
const size_t kBytesPerPixel = 3;

void PutBigEndian(std::vector<uint8_t>* out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>* out, const char type[5], const std::vector<uint8_t>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    size_t start = out->size();
    out->insert(out->end(), type, type + 4);
    out->insert(out->end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out->data() + start, out->size() - start));
}

uint8_t Paeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = abs(p - a), pb = abs(p - b), pc = abs(p - c);
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Filter type `type` applied to one row; `above` is null for the first row.
void FilterRow(int type, const uint8_t* row, const uint8_t* above, size_t length, uint8_t* out) {
    for (size_t i = 0; i < length; ++i) {
        int a = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
        int b = above ? above[i] : 0;
        int c = (above && i >= kBytesPerPixel) ? above[i - kBytesPerPixel] : 0;
        int predictor = 0;
        switch (type) {
        case 1: predictor = a; break;
        case 2: predictor = b; break;
        case 3: predictor = (a + b) / 2; break;
        case 4: predictor = Paeth(a, b, c); break;
        }
        out[i] = static_cast<uint8_t>(row[i] - predictor);
    }
}

// The usual heuristic: the filter whose output, read as signed bytes, has the
// smallest sum of magnitudes.
uint32_t Residue(const uint8_t* filtered, size_t length) {
    uint32_t sum = 0;
    for (size_t i = 0; i < length; ++i) sum += static_cast<uint32_t>(abs(static_cast<int8_t>(filtered[i])));
    return sum;
}

std::vector<uint8_t> FilteredRows(const RgbImage& image) {
    const size_t stride = image.width * kBytesPerPixel;
    std::vector<uint8_t> rows;
    rows.reserve((stride + 1) * image.height);
    std::vector<uint8_t> candidate(stride), best(stride);
    for (uint32_t y = 0; y < image.height; ++y) {
        const uint8_t* row = image.pixels.data() + y * stride;
        const uint8_t* above = y > 0 ? row - stride : nullptr;
        int bestType = 0;
        uint32_t bestResidue = 0;
        for (int type = 0; type < 5; ++type) {
            FilterRow(type, row, above, stride, candidate.data());
            uint32_t residue = Residue(candidate.data(), stride);
            if (type == 0 || residue < bestResidue) {
                bestType = type;
                bestResidue = residue;
                best.swap(candidate);
            }
        }
        rows.push_back(static_cast<uint8_t>(bestType));
        rows.insert(rows.end(), best.begin(), best.end());
    }
    return rows;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    std::vector<uint8_t> out(kSignature, kSignature + sizeof(kSignature));
    std::vector<uint8_t> header;
    PutBigEndian(&header, image.width);
    PutBigEndian(&header, image.height);
    header.push_back(8);  // bits per sample
    header.push_back(2);  // truecolour
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering
    header.push_back(0);  // not interlaced
    PutChunk(&out, "IHDR", header);
    std::vector<uint8_t> rows = FilteredRows(image);
    PutChunk(&out, "IDAT", ZlibCompress(rows.data(), rows.size()));
    PutChunk(&out, "IEND", std::vector<uint8_t>());
    return out;
}
