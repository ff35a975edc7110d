// The three request documents, byte for byte, as the senders build them.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "asyncui/request_document.h"
#include "asyncui/request_document_block.h"

namespace {

struct DocumentCase {
    const char* name;
    RequestDocumentKind kind;
    const wchar_t* entry;
    size_t textLength;  // L
    size_t recordSize;  // R
    size_t size;        // S
};

void PrintTo(const DocumentCase& c, std::ostream* os) { *os << c.name; }

const DocumentCase kDocuments[] = {
    {"duplex_modal", REQUEST_DUPLEX_MODAL, L"EvtDlgAsyncUIEntryPointManualDuplexModal", 278, 1576, 2154},
    {"duplex_modeless", REQUEST_DUPLEX_MODELESS, L"EvtDlgAsyncUIEntryPointManualDuplexModeless", 281, 1576, 2160},
    {"warning", REQUEST_WARNING, L"EvtDlgAsyncUIEntryPointJobUI", 266, 2612, 3166},
};

std::wstring ExpectedText(const wchar_t* entry) {
    const std::wstring requestNamespace = L"http://schemas.microsoft.com/2003/print/asyncui/v1/request";
    return std::wstring(L"<?xml version=\"1.0\" ?>") + L"<asyncPrintUIRequest xmlns=\"" + requestNamespace + L"\">" +
           L"<v1>" + L"<requestOpen>" + L"<customData dll=\"evdlgx42.dll\" entrypoint=\"" + entry +
           L"\" bidi=\"true\">" + L"</customData>" + L"</requestOpen>" + L"</v1>" + L"</asyncPrintUIRequest>";
}

// A record whose every byte is nonzero and tells its offset apart.
template <typename Record>
Record PatternRecord() {
    Record record;
    BYTE* bytes = reinterpret_cast<BYTE*>(&record);
    for (size_t i = 0; i < sizeof(record); ++i) bytes[i] = static_cast<BYTE>(i % 251 + 1);
    return record;
}

struct BuiltDocument {
    UniqueLocal block;
    std::vector<BYTE> record;
};

BuiltDocument Build(RequestDocumentKind kind) {
    BuiltDocument built;
    if (kind == REQUEST_WARNING) {
        WarningPayload record = PatternRecord<WarningPayload>();
        built.block = AllocWarningRequestDocument(record);
        built.record.assign(reinterpret_cast<BYTE*>(&record), reinterpret_cast<BYTE*>(&record) + sizeof(record));
    } else {
        DuplexPayload record = PatternRecord<DuplexPayload>();
        built.block = AllocDuplexRequestDocument(record, kind == REQUEST_DUPLEX_MODAL);
        built.record.assign(reinterpret_cast<BYTE*>(&record), reinterpret_cast<BYTE*>(&record) + sizeof(record));
    }
    return built;
}

class RequestDocuments : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(RequestDocuments, TextNulRecordAndSpareBytesStandWhereTheyBelong) {
    const DocumentCase& c = GetParam();
    BuiltDocument built = Build(c.kind);
    ASSERT_TRUE(built.block);
    const BYTE* bytes = static_cast<const BYTE*>(built.block.get());
    const wchar_t* text = static_cast<const wchar_t*>(built.block.get());

    EXPECT_EQ(c.size, LocalSize(built.block.get()));
    EXPECT_EQ(c.size, RequestDocumentSize(c.kind));
    EXPECT_EQ(2 * (c.textLength + 1) + c.recordSize + 20, c.size);

    EXPECT_EQ(ExpectedText(c.entry), std::wstring(text, c.textLength));
    EXPECT_EQ(0, text[c.textLength]) << "no NUL at byte " << 2 * c.textLength;
    EXPECT_EQ(0, memcmp(bytes + 2 * (c.textLength + 1), built.record.data(), c.recordSize))
        << "the record does not start at byte " << 2 * (c.textLength + 1);
    for (size_t i = c.size - 20; i < c.size; ++i) EXPECT_EQ(0, bytes[i]) << "spare byte at " << i;
}

INSTANTIATE_TEST_SUITE_P(AllThree, RequestDocuments, ::testing::ValuesIn(kDocuments),
                         [](const ::testing::TestParamInfo<DocumentCase>& info) { return std::string(info.param.name); });

TEST(RequestDocumentTexts, ModalAndModelessDifferOnlyInTheEntryName) {
    std::wstring modal = RequestDocumentText(REQUEST_DUPLEX_MODAL);
    std::wstring modeless = RequestDocumentText(REQUEST_DUPLEX_MODELESS);
    ASSERT_EQ(modal.size() + 3, modeless.size());
    size_t at = modeless.find(L"ManualDuplexModeless");
    ASSERT_NE(std::wstring::npos, at);
    EXPECT_EQ(modal, modeless.replace(at, wcslen(L"ManualDuplexModeless"), L"ManualDuplexModal"));
    EXPECT_EQ(DUPLEX_MODAL_DOCUMENT_SIZE + 6, DUPLEX_MODELESS_DOCUMENT_SIZE);
}

TEST(RequestDocumentWriter, RefusesABlockOfAnotherSizeAndWritesNothing) {
    DuplexPayload record = PatternRecord<DuplexPayload>();
    std::vector<BYTE> block(DUPLEX_MODELESS_DOCUMENT_SIZE + 2, 0);
    const std::vector<BYTE> untouched = block;

    EXPECT_FALSE(BWriteRequestDocument(REQUEST_DUPLEX_MODAL, &record, block.data(), DUPLEX_MODELESS_DOCUMENT_SIZE));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_DUPLEX_MODAL, &record, block.data(), DUPLEX_MODAL_DOCUMENT_SIZE - 1));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_WARNING, &record, block.data(), DUPLEX_MODAL_DOCUMENT_SIZE));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_DUPLEX_MODAL, 0, block.data(), DUPLEX_MODAL_DOCUMENT_SIZE));
    EXPECT_FALSE(BWriteRequestDocument(REQUEST_DUPLEX_MODAL, &record, 0, DUPLEX_MODAL_DOCUMENT_SIZE));
    EXPECT_TRUE(block == untouched);
}

}  // namespace
