// The bounded text operations: status codes and the truncation rule.
// Platform-free: this file also builds natively.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_ops.h"

namespace {

typedef std::basic_string<TextUnit> Text;

const TextUnit kPoison = 0x2A2A;  // marks units nothing may write

Text Repeat(TextUnit unit, size_t count) { return Text(count, unit); }

std::vector<TextUnit> Poisoned(size_t units) { return std::vector<TextUnit>(units, kPoison); }

// Text up to the first NUL of a buffer that must hold one.
Text Terminated(const std::vector<TextUnit>& buffer) {
    for (size_t i = 0; i < buffer.size(); ++i) {
        if (buffer[i] == 0) return Text(buffer.begin(), buffer.begin() + i);
    }
    ADD_FAILURE() << "buffer holds no terminator";
    return Text();
}

struct CopyCase {
    const char* name;
    size_t sourceLength;
    uint32_t capacity;
    TextStatus status;
    size_t resultLength;
};

class TextCopyTable : public ::testing::TestWithParam<CopyCase> {};

TEST_P(TextCopyTable, CutsToCapacityMinusOneAndTerminates) {
    const CopyCase& c = GetParam();
    Text source = Repeat(TEXT_UNITS('s'), c.sourceLength);
    std::vector<TextUnit> buffer = Poisoned(c.capacity + 4);

    EXPECT_EQ(c.status, TextCopy(buffer.data(), c.capacity, source.c_str()));
    EXPECT_EQ(source.substr(0, c.resultLength), Terminated(buffer));
    for (size_t i = c.capacity; i < buffer.size(); ++i) EXPECT_EQ(kPoison, buffer[i]) << "written past capacity at " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, TextCopyTable,
    ::testing::Values(CopyCase{"fits", 10, 256, TEXT_S_OK, 10},
                      CopyCase{"exactly_capacity_minus_one", 255, 256, TEXT_S_OK, 255},
                      CopyCase{"exactly_capacity", 256, 256, TEXT_E_INSUFFICIENT_BUFFER, 255},
                      CopyCase{"300_into_256", 300, 256, TEXT_E_INSUFFICIENT_BUFFER, 255},
                      CopyCase{"capacity_one_nonempty", 3, 1, TEXT_E_INSUFFICIENT_BUFFER, 0},
                      CopyCase{"capacity_one_empty", 0, 1, TEXT_S_OK, 0},
                      CopyCase{"empty_source", 0, 8, TEXT_S_OK, 0}),
    [](const ::testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

TEST(TextCopyN, TakesAtMostTheSourceLimit) {
    Text source = TEXT_UNITS("abcdef");
    std::vector<TextUnit> buffer = Poisoned(16);

    EXPECT_EQ(TEXT_S_OK, TextCopyN(buffer.data(), 16, source.c_str(), 3));
    EXPECT_EQ(Text(TEXT_UNITS("abc")), Terminated(buffer));

    EXPECT_EQ(TEXT_S_OK, TextCopyN(buffer.data(), 16, source.c_str(), 100));
    EXPECT_EQ(source, Terminated(buffer));

    EXPECT_EQ(TEXT_S_OK, TextCopyN(buffer.data(), 16, source.c_str(), 0));
    EXPECT_EQ(Text(), Terminated(buffer));

    EXPECT_EQ(TEXT_E_INSUFFICIENT_BUFFER, TextCopyN(buffer.data(), 4, source.c_str(), 6));
    EXPECT_EQ(Text(TEXT_UNITS("abc")), Terminated(buffer));
}

TEST(TextCopyN, StopsAtANulInsideTheLimit) {
    const TextUnit source[] = {'a', 'b', 0, 'c', 'd'};
    std::vector<TextUnit> buffer = Poisoned(8);
    EXPECT_EQ(TEXT_S_OK, TextCopyN(buffer.data(), 8, source, 5));
    EXPECT_EQ(Text(TEXT_UNITS("ab")), Terminated(buffer));
}

TEST(TextCopyN, SourceLimitAboveTheMaximumEmptiesTheDestination) {
    std::vector<TextUnit> buffer = Poisoned(8);
    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopyN(buffer.data(), 8, TEXT_UNITS("abc"), 0x7FFFFFFFu));
    EXPECT_EQ(0, buffer[0]);
    EXPECT_EQ(kPoison, buffer[1]);
    EXPECT_EQ(TEXT_S_OK, TextCopyN(buffer.data(), 8, TEXT_UNITS("abc"), 0x7FFFFFFEu));
}

TEST(TextAppend, CutsTheSuffixToTheRoomLeft) {
    // "(1-99)" after a 20-character name in 25 units keeps four of its characters.
    std::vector<TextUnit> buffer = Poisoned(25);
    Text name = Repeat(TEXT_UNITS('n'), 20);
    ASSERT_EQ(TEXT_S_OK, TextCopy(buffer.data(), 25, name.c_str()));

    EXPECT_EQ(TEXT_E_INSUFFICIENT_BUFFER, TextAppend(buffer.data(), 25, TEXT_UNITS("(1-99)")));
    EXPECT_EQ(name + TEXT_UNITS("(1-9"), Terminated(buffer));
}

TEST(TextAppend, JoinsWhenItFits) {
    std::vector<TextUnit> buffer = Poisoned(16);
    ASSERT_EQ(TEXT_S_OK, TextCopy(buffer.data(), 16, TEXT_UNITS("Job")));
    EXPECT_EQ(TEXT_S_OK, TextAppend(buffer.data(), 16, TEXT_UNITS("(1-99)")));
    EXPECT_EQ(Text(TEXT_UNITS("Job(1-99)")), Terminated(buffer));
}

TEST(TextAppend, FullDestinationKeepsItsTextAndReportsTheCut) {
    std::vector<TextUnit> buffer = Poisoned(4);
    ASSERT_EQ(TEXT_S_OK, TextCopy(buffer.data(), 4, TEXT_UNITS("abc")));
    EXPECT_EQ(TEXT_E_INSUFFICIENT_BUFFER, TextAppend(buffer.data(), 4, TEXT_UNITS("d")));
    EXPECT_EQ(Text(TEXT_UNITS("abc")), Terminated(buffer));
    EXPECT_EQ(TEXT_S_OK, TextAppend(buffer.data(), 4, TEXT_UNITS("")));
}

TEST(TextAppend, DestinationWithoutTerminatorIsRefusedUntouched) {
    std::vector<TextUnit> buffer(6, TEXT_UNITS('x'));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextAppend(buffer.data(), 6, TEXT_UNITS("y")));
    EXPECT_EQ(std::vector<TextUnit>(6, TEXT_UNITS('x')), buffer);
}

TEST(TextLength, MeasuresWithinTheMaximum) {
    uint32_t length = 99;
    EXPECT_EQ(TEXT_S_OK, TextLength(TEXT_UNITS(""), 1, &length));
    EXPECT_EQ(0u, length);

    EXPECT_EQ(TEXT_S_OK, TextLength(TEXT_UNITS("abcd"), 5, &length));
    EXPECT_EQ(4u, length);

    length = 99;
    EXPECT_EQ(TEXT_E_INVALIDARG, TextLength(TEXT_UNITS("abcd"), 4, &length));
    EXPECT_EQ(0u, length);

    EXPECT_EQ(TEXT_S_OK, TextLength(TEXT_UNITS("abcd"), 5, 0));
}

TEST(TextOperations, InvalidArgumentsWriteNothing) {
    std::vector<TextUnit> buffer = Poisoned(4);
    uint32_t length = 99;
    const uint32_t tooLarge = 0x80000000u;

    EXPECT_EQ(TEXT_E_INVALIDARG, TextLength(0, 4, &length));
    EXPECT_EQ(0u, length);
    EXPECT_EQ(TEXT_E_INVALIDARG, TextLength(TEXT_UNITS("a"), 0, &length));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextLength(TEXT_UNITS("a"), tooLarge, &length));

    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopy(0, 4, TEXT_UNITS("a")));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopy(buffer.data(), 4, 0));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopy(buffer.data(), 0, TEXT_UNITS("a")));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopy(buffer.data(), tooLarge, TEXT_UNITS("a")));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopyN(buffer.data(), 0, TEXT_UNITS("a"), 1));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextCopyN(buffer.data(), 4, 0, 1));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextAppend(buffer.data(), 0, TEXT_UNITS("a")));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextAppend(buffer.data(), tooLarge, TEXT_UNITS("a")));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextAppend(0, 4, TEXT_UNITS("a")));
    EXPECT_EQ(TEXT_E_INVALIDARG, TextAppend(buffer.data(), 4, 0));

    EXPECT_EQ(Poisoned(4), buffer);
}

}  // namespace
