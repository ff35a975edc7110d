// The two preview entries of the built DLL, called as the asynchronous UI host
// calls them, with the fake spooler and the preview module doubles.

#include <gtest/gtest.h>
#include <windows.h>

#include <stddef.h>
#include <string.h>

#include <string>
#include <vector>

#include "preview_harness.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200";
const DWORD kNextOffset = offsetof(PreviewEntry, pNext);

// A driver file in a directory of the test tree (which need not hold it).
std::wstring DriverIn(const wchar_t* directory) { return TestBinPath(directory) + L"\\orvdrv.dll"; }

DWORD FirstEntryOf(const PreviewModuleRecord& record) {
    return reinterpret_cast<uintptr_t>(reinterpret_cast<const PreviewPayload*>(record.payload)->pFirstEntry);
}

DWORD NextOf(const BYTE* entry) {
    DWORD next;
    memcpy(&next, entry + kNextOffset, sizeof(next));
    return next;
}

class PreviewHandOver : public PreviewEntryTest {
protected:
    PreviewHandOver() : PreviewEntryTest(L"evdlgx42.dll") {}

    void AddPrinter(const std::wstring& driverPath) {
        ASSERT_TRUE(FakeSpooler().AddPrinter(kPrinter, driverPath.c_str(), kFakePrinterNormal));
    }
};

// How a record's pNext should read in the preview module's copy.
enum Link { kToNextRecord, kEndOfList, kAsArrived };

struct ChainCase {
    const char* name;
    std::vector<DWORD> arriving;  // pNext of each record as the sender left it
    DWORD walked;                 // records the preview module reaches from pFirstEntry
    std::vector<Link> links;
};

void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.name; }

class EntryListChain : public PreviewHandOver, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(EntryListChain, IsCopiedAndRelinkedForThePreviewModule) {
    const ChainCase& c = GetParam();
    AddPrinter(DriverIn(L"preview_full"));
    GuardedRequest request(kPrinter, c.arriving);
    const std::vector<BYTE> sent = request.snapshot();

    EXPECT_EQ(L"OK", TakeAnswer(entries_.preview(request.record())));

    ASSERT_EQ(1, record_->calls);
    EXPECT_STREQ("BDisplayOVPrintPreview", record_->function);
    EXPECT_TRUE(sent == request.snapshot()) << "the host's request was written to";
    const DWORD pointerAt = offsetof(PreviewPayload, pFirstEntry);
    EXPECT_EQ(0, memcmp(record_->payload, request.bytes(), pointerAt)) << "payload bytes before pFirstEntry";
    EXPECT_EQ(0, memcmp(record_->payload + pointerAt + 4, request.bytes() + pointerAt + 4,
                        sizeof(PreviewPayload) - pointerAt - 4))
        << "payload bytes after pFirstEntry";

    const DWORD first = FirstEntryOf(*record_);
    EXPECT_EQ(c.walked, record_->walkLength);
    EXPECT_FALSE(record_->walkLeftList);
    if (c.arriving.empty()) {
        EXPECT_EQ(0u, first);
        return;
    }
    EXPECT_NE(kSenderFirstEntry, first);
    EXPECT_NE(reinterpret_cast<uintptr_t>(request.entry(0)), first) << "the preview got the host's list, not a copy";
    for (DWORD i = 0; i < c.arriving.size(); ++i) {
        const BYTE* copy = record_->entries[i];
        EXPECT_EQ(0, memcmp(copy, request.entry(i), kNextOffset)) << "record " << i;
        const DWORD afterNext = kNextOffset + 4;
        EXPECT_EQ(0, memcmp(copy + afterNext, request.entry(i) + afterNext, kPreviewEntryBytes - afterNext))
            << "record " << i;
        DWORD expected = c.links[i] == kToNextRecord ? first + (i + 1) * kPreviewEntryBytes
                         : c.links[i] == kEndOfList  ? 0
                                                     : c.arriving[i];
        EXPECT_EQ(expected, NextOf(copy)) << "pNext of record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EntryListChain,
    ::testing::Values(
        ChainCase{"fully_linked", {0x00410000, 0x00410034, 0}, 3, {kToNextRecord, kToNextRecord, kEndOfList}},
        ChainCase{"stopped_at_second", {0x1111, 0, 0x2222}, 2, {kToNextRecord, kEndOfList, kAsArrived}},
        ChainCase{"first_ends_the_list", {0, 0x1111, 0x2222}, 1, {kEndOfList, kAsArrived, kAsArrived}},
        // A sender's list that never ends still ends inside the copy.
        ChainCase{"last_claims_a_successor", {1, 1, 1}, 3, {kToNextRecord, kToNextRecord, kEndOfList}},
        ChainCase{"single_record_claims_a_successor", {0xFFFFFFFF}, 1, {kEndOfList}},
        ChainCase{"no_records", {}, 0, {}}),
    [](const ::testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

TEST_F(PreviewHandOver, LongestAcceptedListIsLinkedThroughout) {
    AddPrinter(DriverIn(L"preview_full"));
    GuardedRequest request(kPrinter, std::vector<DWORD>(65536, 1));

    EXPECT_EQ(L"OK", TakeAnswer(entries_.preview(request.record())));
    EXPECT_EQ(65536u, record_->walkLength);
    EXPECT_FALSE(record_->walkLeftList);
}

TEST_F(PreviewHandOver, IcdEntryPassesTheRecordOnAsItArrivedAndReadsNothingAfterIt) {
    AddPrinter(DriverIn(L"preview_full"));
    for (DWORD claimed : {3u, 0xFFFFFFFFu}) {
        FreshModuleRecord(TRUE);
        GuardedRequest request(kPrinter, claimed);  // the claimed list is not there

        EXPECT_EQ(L"OK", TakeAnswer(entries_.previewIcd(request.record()))) << "entry count " << claimed;
        ASSERT_EQ(1, record_->calls);
        EXPECT_STREQ("BDisplayOVPrintPreviewICD", record_->function);
        EXPECT_EQ(0, memcmp(record_->payload, request.bytes(), sizeof(PreviewPayload))) << "entry count " << claimed;
        EXPECT_EQ(kSenderFirstEntry, FirstEntryOf(*record_));
    }
}

struct ResultCase {
    const char* name;
    bool icd;
    BOOL previewAnswer;
    const wchar_t* expected;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

class PreviewResult : public PreviewHandOver, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(PreviewResult, DecidesTheAnswerAfterThePrinterWasClosedAndBeforeTheModuleIsUnloaded) {
    const ResultCase& c = GetParam();
    AddPrinter(DriverIn(L"preview_full"));
    record_->answer = c.previewAnswer;
    GuardedRequest request(kPrinter, std::vector<DWORD>{1, 0});

    EXPECT_EQ(c.expected, TakeAnswer(Entry(c.icd)(request.record())));

    ASSERT_EQ(1, record_->calls);
    EXPECT_STREQ(c.icd ? "BDisplayOVPrintPreviewICD" : "BDisplayOVPrintPreview", record_->function);
    EXPECT_EQ(0, record_->openPrinterHandles) << "the printer was still open while the preview ran";
    EXPECT_EQ(1, FakeSpooler().CallCount("OpenPrinterW"));
    EXPECT_EQ(1, FakeSpooler().CallCount("ClosePrinter"));
    EXPECT_EQ(1, record_->attaches);
    EXPECT_EQ(1, record_->detaches);
    EXPECT_EQ(0, lstrcmpiW(TestBinPath(L"preview_full\\PVIEW5KQ.DLL").c_str(), record_->modulePath))
        << "loaded " << record_->modulePath;
}

INSTANTIATE_TEST_SUITE_P(Answers, PreviewResult,
                         ::testing::Values(ResultCase{"preview_true", false, TRUE, L"OK"},
                                           ResultCase{"preview_false", false, FALSE, L"Cancel"},
                                           ResultCase{"preview_other_nonzero", false, 0x100, L"OK"},
                                           ResultCase{"icd_true", true, TRUE, L"OK"},
                                           ResultCase{"icd_false", true, FALSE, L"Cancel"},
                                           ResultCase{"icd_other_nonzero", true, 0x100, L"OK"}),
                         [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST_F(PreviewHandOver, UnopenablePrinterIsCancelledWithoutLoadingAnyModule) {
    AddPrinter(DriverIn(L"preview_full"));
    GuardedRequest request(L"Some Other Printer", std::vector<DWORD>{1, 0});

    for (bool icd : {false, true}) {
        LONG opensBefore = FakeSpooler().CallCount("OpenPrinterW");
        EXPECT_EQ(L"Cancel", TakeAnswer(Entry(icd)(request.record()))) << (icd ? "ICD" : "preview");
        EXPECT_EQ(opensBefore + 1, FakeSpooler().CallCount("OpenPrinterW"));
    }
    EXPECT_EQ(0, FakeSpooler().CallCount("GetPrinterDriverW"));
    EXPECT_EQ(0, record_->attaches);
}

TEST_F(PreviewHandOver, ModuleWithoutTheIcdFunctionServesOnlyThePlainEntry) {
    AddPrinter(DriverIn(L"preview_partial"));
    GuardedRequest request(kPrinter, std::vector<DWORD>{0});

    EXPECT_EQ(L"Cancel", TakeAnswer(entries_.previewIcd(request.record())));
    EXPECT_EQ(0, record_->calls);
    EXPECT_EQ(1, record_->attaches) << "the module should have been loaded and looked into";

    EXPECT_EQ(L"OK", TakeAnswer(entries_.preview(request.record())));
    EXPECT_EQ(1, record_->calls);
    EXPECT_EQ(0, lstrcmpiW(TestBinPath(L"preview_partial\\PVIEW5KQ.DLL").c_str(), record_->modulePath));
}

TEST_F(PreviewHandOver, UnknownDriverDirectoryNeverLoadsAModuleFromTheCurrentDirectory) {
    AddPrinter(L"orvdrv.dll");  // no directory to look in
    ScratchDirectory planted;
    ASSERT_TRUE(planted.Plant(TestBinPath(L"preview_full\\PVIEW5KQ.DLL"), L"PVIEW5KQ.DLL"));
    CurrentDirectoryScope scope(planted.path());
    GuardedRequest request(kPrinter, std::vector<DWORD>{0});

    for (bool icd : {false, true}) {
        EXPECT_EQ(L"Cancel", TakeAnswer(Entry(icd)(request.record()))) << (icd ? "ICD" : "preview");
    }
    EXPECT_EQ(0, record_->attaches) << "loaded " << record_->modulePath;
}

TEST_F(PreviewHandOver, NullRecordIsCancelled) {
    for (bool icd : {false, true}) {
        EXPECT_EQ(L"Cancel", TakeAnswer(Entry(icd)(nullptr))) << (icd ? "ICD" : "preview");
    }
    EXPECT_EQ(0, FakeSpooler().CallCount("OpenPrinterW"));
}

class ImpossibleEntryCount : public PreviewHandOver, public ::testing::WithParamInterface<DWORD> {};

// Only the payload is delivered: an entry that copied or linked anything
// would read into the inaccessible page behind it.
TEST_P(ImpossibleEntryCount, IsCancelledBeforeAnythingIsCopiedOrCalled) {
    AddPrinter(DriverIn(L"preview_full"));
    GuardedRequest request(kPrinter, GetParam());

    EXPECT_EQ(L"Cancel", TakeAnswer(entries_.preview(request.record())));
    EXPECT_EQ(0, FakeSpooler().CallCount("OpenPrinterW"));
    EXPECT_EQ(0, record_->attaches);
}

// One past the longest list; a count whose byte size wraps to 4 in 32 bits;
// the largest count.
INSTANTIATE_TEST_SUITE_P(Counts, ImpossibleEntryCount, ::testing::Values(65537u, 82595525u, 0xFFFFFFFFu));

}  // namespace
