// The platform-free part of the preview list handling: which lists are
// accepted, and that re-linking stays inside the records it is given.

#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "preview/entry_list.h"

namespace {

struct SizeCase {
    uint32_t count;
    bool accepted;
    uint32_t bytes;
};

TEST(EntryListBytes, AcceptsUpTo65536RecordsAndNeverWraps) {
    const SizeCase cases[] = {
        {0, true, 0},          {1, true, 52},          {65536, true, 3407872},
        {65537, false, 0},     {82595525, false, 0},  // 82595525 x 52 wraps to 4 in 32 bits
        {0xFFFFFFFFu, false, 0},
    };
    for (const SizeCase& c : cases) {
        uint32_t bytes = 0xAAAAAAAAu;
        EXPECT_EQ(c.accepted ? 1 : 0, BEntryListBytes(c.count, &bytes)) << "count " << c.count;
        EXPECT_EQ(c.accepted ? c.bytes : 0xAAAAAAAAu, bytes) << "count " << c.count;
    }
}

const uint32_t kListAddress = 0x7FFE0000u;
const uint8_t kTailFill = 0xE5;

uint32_t NextOf(const std::vector<uint8_t>& records, uint32_t index) {
    const uint8_t* field = &records[index * PREVIEW_ENTRY_BYTES + PREVIEW_ENTRY_NEXT_OFFSET];
    return field[0] | (field[1] << 8) | (field[2] << 16) | (static_cast<uint32_t>(field[3]) << 24);
}

struct RelinkCase {
    const char* name;
    std::vector<uint32_t> arriving;
    std::vector<uint32_t> expected;
};

void PrintTo(const RelinkCase& c, std::ostream* os) { *os << c.name; }

class Relink : public ::testing::TestWithParam<RelinkCase> {};

// The records are followed by bytes that belong to someone else.
TEST_P(Relink, LinksWithinTheRecordsAndWritesNothingElse) {
    const RelinkCase& c = GetParam();
    const uint32_t count = static_cast<uint32_t>(c.arriving.size());
    std::vector<uint8_t> buffer(count * PREVIEW_ENTRY_BYTES + 64, kTailFill);
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t* field = &buffer[i * PREVIEW_ENTRY_BYTES + PREVIEW_ENTRY_NEXT_OFFSET];
        for (int b = 0; b < 4; ++b) field[b] = static_cast<uint8_t>(c.arriving[i] >> (8 * b));
    }
    std::vector<uint8_t> before = buffer;

    VRelinkEntryList(buffer.data(), count, kListAddress);

    for (uint32_t i = 0; i < count; ++i) EXPECT_EQ(c.expected[i], NextOf(buffer, i)) << "pNext of record " << i;
    for (size_t i = 0; i < buffer.size(); ++i) {
        bool isNextField = i < count * PREVIEW_ENTRY_BYTES && i % PREVIEW_ENTRY_BYTES >= PREVIEW_ENTRY_NEXT_OFFSET &&
                           i % PREVIEW_ENTRY_BYTES < PREVIEW_ENTRY_NEXT_OFFSET + 4;
        if (!isNextField) {
            ASSERT_EQ(before[i], buffer[i]) << "byte " << i << " changed";
        }
    }
}

const uint32_t kSecond = kListAddress + 52;
const uint32_t kThird = kListAddress + 104;

INSTANTIATE_TEST_SUITE_P(
    Lists, Relink,
    ::testing::Values(RelinkCase{"fully_linked", {9, 9, 0}, {kSecond, kThird, 0}},
                      RelinkCase{"stopped_at_second", {9, 0, 9}, {kSecond, 0, 9}},
                      RelinkCase{"last_claims_a_successor", {9, 9, 9}, {kSecond, kThird, 0}},
                      RelinkCase{"high_bytes_only", {0x01000000, 0x00010000, 0}, {kSecond, kThird, 0}},
                      RelinkCase{"no_records", {}, {}}),
    [](const ::testing::TestParamInfo<RelinkCase>& info) { return std::string(info.param.name); });

TEST(RelinkEmptyList, TouchesNoMemory) { VRelinkEntryList(nullptr, 0, kListAddress); }

}  // namespace
