#include "zlib_stream.h"

namespace {

const size_t kWindow = 32768;
const size_t kMinMatch = 3;
const size_t kMaxMatch = 258;
const int kHashBits = 15;
const int kMaxChainSteps = 48;

// Bits go out least significant first; Huffman codes are written most
// significant first, so they are reversed on the way in.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>* out) : out_(out) {}

    void Bits(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
    }
    void Code(uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
    }
    void Flush() {
        if (used_ > 0) out_->push_back(current_);
        current_ = 0;
        used_ = 0;
    }

private:
    void Bit(uint32_t bit) {
        current_ |= static_cast<uint8_t>(bit << used_);
        if (++used_ == 8) Flush();
    }
    std::vector<uint8_t>* out_;
    uint8_t current_ = 0;
    int used_ = 0;
};

void LiteralOrLengthCode(BitWriter& bits, uint32_t symbol) {
    if (symbol < 144) {
        bits.Code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        bits.Code(0x190 + (symbol - 144), 9);
    } else if (symbol < 280) {
        bits.Code(symbol - 256, 7);
    } else {
        bits.Code(0xC0 + (symbol - 280), 8);
    }
}

const uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t kDistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void Match(BitWriter& bits, size_t length, size_t distance) {
    int l = 28;
    while (kLengthBase[l] > length) --l;
    LiteralOrLengthCode(bits, 257 + l);
    bits.Bits(static_cast<uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance) --d;
    bits.Code(d, 5);
    bits.Bits(static_cast<uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

uint32_t Hash3(const uint8_t* p) {
    uint32_t v = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
    return (v * 2654435761u) >> (32 - kHashBits);
}

// Greedy LZ77 over hash chains: the longest of the recent candidates wins.
class Matcher {
public:
    Matcher(const uint8_t* data, size_t size)
        : data_(data), size_(size), head_(size_t(1) << kHashBits, -1), previous_(kWindow, -1) {}

    void Insert(size_t position) {
        if (position + kMinMatch > size_) return;
        uint32_t h = Hash3(data_ + position);
        previous_[position % kWindow] = head_[h];
        head_[h] = static_cast<long long>(position);
    }

    // Length (0 when none of kMinMatch or more) and distance of the best match.
    size_t Longest(size_t position, size_t* distance) const {
        if (position + kMinMatch > size_) return 0;
        size_t limit = size_ - position < kMaxMatch ? size_ - position : kMaxMatch;
        size_t best = 0;
        long long candidate = head_[Hash3(data_ + position)];
        for (int step = 0; step < kMaxChainSteps && candidate >= 0; ++step) {
            size_t from = static_cast<size_t>(candidate);
            if (position - from > kWindow - 1) break;
            size_t length = 0;
            while (length < limit && data_[from + length] == data_[position + length]) ++length;
            if (length > best) {
                best = length;
                *distance = position - from;
                if (length == limit) break;
            }
            long long next = previous_[from % kWindow];
            if (next >= candidate) break;  // the slot was reused by a newer position
            candidate = next;
        }
        return best >= kMinMatch ? best : 0;
    }

private:
    const uint8_t* data_;
    size_t size_;
    std::vector<long long> head_;
    std::vector<long long> previous_;
};

}  // namespace

uint32_t Adler32(const uint8_t* data, size_t size) {
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> ZlibCompress(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    out.push_back(0x78);  // deflate, 32 KiB window
    out.push_back(0x01);  // no dictionary; header check bits
    BitWriter bits(&out);
    bits.Bits(1, 1);  // the final block
    bits.Bits(1, 2);  // fixed Huffman codes
    Matcher matcher(data, size);
    size_t position = 0;
    while (position < size) {
        size_t distance = 0;
        size_t length = matcher.Longest(position, &distance);
        if (length == 0) {
            LiteralOrLengthCode(bits, data[position]);
            matcher.Insert(position);
            ++position;
            continue;
        }
        Match(bits, length, distance);
        for (size_t i = 0; i < length; ++i) matcher.Insert(position + i);
        position += length;
    }
    LiteralOrLengthCode(bits, 256);
    bits.Flush();
    uint32_t adler = Adler32(data, size);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler >> shift));
    return out;
}
