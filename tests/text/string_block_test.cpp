// Walking string-table blocks given their bytes and their size: the block and
// index arithmetic, the 255-character bound and blocks cut short.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/string_block.h"

namespace {

typedef std::vector<TextUnit> Block;

// A well-formed block: entry i holds texts[i] (missing ones are empty).
Block MakeBlock(const std::vector<std::wstring>& texts) {
    Block block;
    for (uint32_t i = 0; i < STRING_BLOCK_ENTRIES; ++i) {
        const std::wstring text = i < texts.size() ? texts[i] : L"";
        block.push_back(static_cast<TextUnit>(text.size()));
        block.insert(block.end(), text.begin(), text.end());
    }
    return block;
}

uint32_t Bytes(const Block& block) { return static_cast<uint32_t>(block.size() * sizeof(TextUnit)); }

struct IdCase {
    uint32_t id;
    uint16_t block;
    uint32_t index;
};

TEST(StringBlockArithmetic, BlockAndIndexOfAnIdentifier) {
    const IdCase cases[] = {
        {3064, 192, 8}, {797, 50, 13}, {0, 1, 0}, {15, 1, 15}, {16, 2, 0}, {844, 53, 12}, {849, 54, 1},
        // Block numbers are 16-bit resource names: they wrap.
        {0xFFFEF, 0xFFFF, 15}, {0xFFFF0, 0, 0},
    };
    for (const IdCase& c : cases) {
        EXPECT_EQ(c.block, WStringBlockNumber(c.id)) << "id " << c.id;
        EXPECT_EQ(c.index, DwStringBlockIndex(c.id)) << "id " << c.id;
    }
}

class StringBlockEntry : public ::testing::Test {
protected:
    int Copy(const Block& block, uint32_t bytes, uint32_t index, uint32_t capacity = 256) {
        buffer_.assign(capacity + 4, 0x7777);  // guard units beyond the capacity
        return ICopyStringBlockEntry(block.data(), bytes, index, buffer_.data(), capacity);
    }
    std::wstring Text() const { return std::wstring(buffer_.begin(), buffer_.begin() + Length()); }
    size_t Length() const {
        size_t n = 0;
        while (buffer_[n] != 0) ++n;
        return n;
    }
    bool Untouched() const { return buffer_[0] == 0x7777; }

    std::vector<TextUnit> buffer_;
};

TEST_F(StringBlockEntry, FindsEachEntryPastTheOnesBeforeIt) {
    Block block = MakeBlock({L"zero", L"", L"two", L"", L"", L"", L"", L"", L"eight"});
    EXPECT_EQ(4, Copy(block, Bytes(block), 0));
    EXPECT_EQ(L"zero", Text());
    EXPECT_EQ(3, Copy(block, Bytes(block), 2));
    EXPECT_EQ(L"two", Text());
    EXPECT_EQ(5, Copy(block, Bytes(block), 8));
    EXPECT_EQ(L"eight", Text());
}

TEST_F(StringBlockEntry, EmptyEntryIsNotFoundAndLeavesTheBufferAlone) {
    Block block = MakeBlock({L"zero", L""});
    EXPECT_EQ(0, Copy(block, Bytes(block), 1));
    EXPECT_TRUE(Untouched());
    EXPECT_EQ(0, Copy(block, Bytes(block), 15));
    EXPECT_TRUE(Untouched());
}

TEST_F(StringBlockEntry, LongEntryIsCutToCapacityAndReportsItsWholeLength) {
    Block block = MakeBlock({std::wstring(300, L'x')});
    EXPECT_EQ(300, Copy(block, Bytes(block), 0, 256));
    EXPECT_EQ(std::wstring(255, L'x'), Text());
    EXPECT_EQ(0x7777, buffer_[256]) << "wrote past the capacity";

    EXPECT_EQ(300, Copy(block, Bytes(block), 0, 1));
    EXPECT_EQ(L"", Text());
}

TEST_F(StringBlockEntry, NulInsideAnEntryEndsTheCopiedText) {
    Block block = MakeBlock({std::wstring(L"ab\0cd", 5)});
    EXPECT_EQ(5, Copy(block, Bytes(block), 0));
    EXPECT_EQ(L"ab", Text());
}

struct CutCase {
    const char* name;
    Block block;
    uint32_t bytes;  // as the resource size reports it
    uint32_t index;
};

class CutBlocks : public StringBlockEntry, public ::testing::WithParamInterface<CutCase> {};

// Every byte of the block beyond the reported size is poison: a walk that
// used it would find the entry.
TEST_P(CutBlocks, EntryThatDoesNotLieWhollyInsideTheBlockIsNotFound) {
    const CutCase& c = GetParam();
    EXPECT_EQ(0, Copy(c.block, c.bytes, c.index));
    EXPECT_TRUE(Untouched());
}

Block Units(std::initializer_list<TextUnit> units) { return Block(units); }

INSTANTIATE_TEST_SUITE_P(
    TruncatedAndCorrupt, CutBlocks,
    ::testing::Values(
        CutCase{"empty_block", Units({3, 'a', 'b', 'c'}), 0, 0},
        CutCase{"length_claims_more_than_there_is", Units({200, 'a', 'b', 'c'}), 8, 0},
        CutCase{"text_cut_by_the_size", Units({3, 'a', 'b', 'c'}), 6, 0},
        CutCase{"odd_size_cuts_the_last_unit", Units({3, 'a', 'b', 'c'}), 7, 0},
        CutCase{"block_ends_before_the_index", Units({1, 'a', 0, 2, 'z', 'z'}), 6, 2},
        CutCase{"earlier_entry_runs_past_the_end", Units({0xFFFF, 'a', 1, 'b'}), 8, 1},
        CutCase{"index_beyond_sixteen_entries", MakeBlock({}), 32, 16}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST_F(StringBlockEntry, NoBlockOrNoBufferGivesNothing) {
    Block block = MakeBlock({L"zero"});
    EXPECT_EQ(0, ICopyStringBlockEntry(nullptr, 64, 0, buffer_.data(), 4));
    EXPECT_EQ(0, ICopyStringBlockEntry(block.data(), Bytes(block), 0, nullptr, 4));
    EXPECT_EQ(0, Copy(block, Bytes(block), 0, 0));
    EXPECT_TRUE(Untouched());
}

}  // namespace
