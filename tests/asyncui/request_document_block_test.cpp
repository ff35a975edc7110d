// The request documents as the senders hand them to the channel: one
// LocalAlloc block of the whole document size, laid out by the writer.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "asyncui/request_document.h"
#include "asyncui/request_document_block.h"

namespace {

template <typename Record>
Record PatternRecord() {
    Record record;
    BYTE* bytes = reinterpret_cast<BYTE*>(&record);
    for (size_t i = 0; i < sizeof(record); ++i) bytes[i] = static_cast<BYTE>(i % 251 + 1);
    return record;
}

template <typename Record>
std::vector<uint8_t> Written(RequestDocumentKind kind, const Record& record) {
    std::vector<uint8_t> document(RequestDocumentSize(kind), 0);
    EXPECT_TRUE(BWriteRequestDocument(kind, &record, document.data(), static_cast<uint32_t>(document.size())));
    return document;
}

void ExpectBlockHolds(const UniqueLocal& block, const std::vector<uint8_t>& expected) {
    ASSERT_TRUE(block);
    ASSERT_EQ(expected.size(), LocalSize(block.get()));
    EXPECT_EQ(0, memcmp(block.get(), expected.data(), expected.size()));
}

TEST(RequestDocumentBlocks, DuplexBlocksHoldTheModalOrTheModelessDocument) {
    const DuplexPayload record = PatternRecord<DuplexPayload>();
    ExpectBlockHolds(AllocDuplexRequestDocument(record, TRUE), Written(REQUEST_DUPLEX_MODAL, record));
    ExpectBlockHolds(AllocDuplexRequestDocument(record, FALSE), Written(REQUEST_DUPLEX_MODELESS, record));
}

TEST(RequestDocumentBlocks, WarningBlockHoldsTheWarningDocument) {
    const WarningPayload record = PatternRecord<WarningPayload>();
    ExpectBlockHolds(AllocWarningRequestDocument(record), Written(REQUEST_WARNING, record));
}

}  // namespace
