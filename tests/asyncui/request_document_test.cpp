// The three request documents, byte for byte, as BWriteRequestDocument lays
// them out. Platform-free: this file also builds natively.

#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "asyncui/request_document.h"

namespace {

typedef std::basic_string<TextUnit> Text;

struct DocumentCase {
    const char* name;
    RequestDocumentKind kind;
    const TextUnit* entry;
    size_t textLength;  // L
    size_t recordSize;  // R
    size_t size;        // S
};

void PrintTo(const DocumentCase& c, std::ostream* os) { *os << c.name; }

const DocumentCase kDocuments[] = {
    {"duplex_modal", REQUEST_DUPLEX_MODAL, TEXT_UNITS("EvtDlgAsyncUIEntryPointManualDuplexModal"), 278, 1576, 2154},
    {"duplex_modeless", REQUEST_DUPLEX_MODELESS, TEXT_UNITS("EvtDlgAsyncUIEntryPointManualDuplexModeless"), 281, 1576,
     2160},
    {"warning", REQUEST_WARNING, TEXT_UNITS("EvtDlgAsyncUIEntryPointJobUI"), 266, 2612, 3166},
};

Text ExpectedText(const TextUnit* entry) {
    const Text requestNamespace = TEXT_UNITS("http://schemas.microsoft.com/2003/print/asyncui/v1/request");
    return Text(TEXT_UNITS("<?xml version=\"1.0\" ?>")) + TEXT_UNITS("<asyncPrintUIRequest xmlns=\"") +
           requestNamespace + TEXT_UNITS("\">") + TEXT_UNITS("<v1>") + TEXT_UNITS("<requestOpen>") +
           TEXT_UNITS("<customData dll=\"evdlgx42.dll\" entrypoint=\"") + entry + TEXT_UNITS("\" bidi=\"true\">") +
           TEXT_UNITS("</customData>") + TEXT_UNITS("</requestOpen>") + TEXT_UNITS("</v1>") +
           TEXT_UNITS("</asyncPrintUIRequest>");
}

// A record whose every byte is nonzero and tells its offset apart.
std::vector<uint8_t> PatternRecord(size_t size) {
    std::vector<uint8_t> record(size);
    for (size_t i = 0; i < size; ++i) record[i] = static_cast<uint8_t>(i % 251 + 1);
    return record;
}

class RequestDocuments : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(RequestDocuments, TextNulRecordAndSpareBytesStandWhereTheyBelong) {
    const DocumentCase& c = GetParam();
    ASSERT_EQ(c.size, RequestDocumentSize(c.kind));
    ASSERT_EQ(c.recordSize, RequestRecordSize(c.kind));
    EXPECT_EQ(2 * (c.textLength + 1) + c.recordSize + 20, c.size);

    const std::vector<uint8_t> record = PatternRecord(c.recordSize);
    std::vector<uint8_t> document(c.size, 0);
    ASSERT_TRUE(BWriteRequestDocument(c.kind, record.data(), document.data(), static_cast<uint32_t>(c.size)));

    const TextUnit* text = reinterpret_cast<const TextUnit*>(document.data());
    EXPECT_EQ(ExpectedText(c.entry), Text(text, c.textLength));
    EXPECT_EQ(0, text[c.textLength]) << "no NUL at byte " << 2 * c.textLength;
    EXPECT_EQ(0, memcmp(document.data() + 2 * (c.textLength + 1), record.data(), c.recordSize))
        << "the record does not start at byte " << 2 * (c.textLength + 1);
    for (size_t i = c.size - 20; i < c.size; ++i) EXPECT_EQ(0, document[i]) << "spare byte at " << i;
}

INSTANTIATE_TEST_SUITE_P(AllThree, RequestDocuments, ::testing::ValuesIn(kDocuments),
                         [](const ::testing::TestParamInfo<DocumentCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(RequestDocumentTexts, ModalAndModelessDifferOnlyInTheEntryName) {
    Text modal = RequestDocumentText(REQUEST_DUPLEX_MODAL);
    Text modeless = RequestDocumentText(REQUEST_DUPLEX_MODELESS);
    ASSERT_EQ(modal.size() + 3, modeless.size());
    const Text modelessName = TEXT_UNITS("ManualDuplexModeless");
    size_t at = modeless.find(modelessName);
    ASSERT_NE(Text::npos, at);
    EXPECT_EQ(modal, modeless.replace(at, modelessName.size(), TEXT_UNITS("ManualDuplexModal")));
    EXPECT_EQ(DUPLEX_MODAL_DOCUMENT_SIZE + 6, DUPLEX_MODELESS_DOCUMENT_SIZE);
}

TEST(RequestDocumentWriter, RefusesABlockOfAnotherSizeAndWritesNothing) {
    const std::vector<uint8_t> record = PatternRecord(WARNING_RECORD_SIZE);
    std::vector<uint8_t> block(WARNING_DOCUMENT_SIZE + 2, 0);
    const std::vector<uint8_t> untouched = block;

    EXPECT_FALSE(
        BWriteRequestDocument(REQUEST_DUPLEX_MODAL, record.data(), block.data(), DUPLEX_MODELESS_DOCUMENT_SIZE));
    EXPECT_FALSE(
        BWriteRequestDocument(REQUEST_DUPLEX_MODAL, record.data(), block.data(), DUPLEX_MODAL_DOCUMENT_SIZE - 1));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_WARNING, record.data(), block.data(), DUPLEX_MODAL_DOCUMENT_SIZE));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_DUPLEX_MODAL, 0, block.data(), DUPLEX_MODAL_DOCUMENT_SIZE));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_DUPLEX_MODAL, record.data(), 0, DUPLEX_MODAL_DOCUMENT_SIZE));
    EXPECT_FALSE(
        BWriteRequestDocument(static_cast<RequestDocumentKind>(3), record.data(), block.data(), WARNING_DOCUMENT_SIZE));
    EXPECT_TRUE(block == untouched);
}

}  // namespace
