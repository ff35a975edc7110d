// A spooler without CreatePrintAsyncNotifyChannel, as on platforms before
// version 6 (and in Wine's own winspool.drv). This program lies beside a
// build of the test spooler that does not export it.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "asyncui/request_document_block.h"
#include "send_in_background.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

TEST(SpoolerWithoutChannel, ASendReturnsZeroAtOnceAndSendsNothing) {
    HMODULE spooler = GetModuleHandleW(L"winspool.drv");
    ASSERT_NE(nullptr, spooler);
    ASSERT_EQ(nullptr, GetProcAddress(spooler, "CreatePrintAsyncNotifyChannel")) << "not the spooler without channel";
    FakeSpooler().Reset();
    FakeSpooler().SetAnswerText(kFakeAnswerTextStart L"OK" kFakeAnswerTextEnd);
    DuplexPayload record;
    memset(&record, 0, sizeof(record));
    UniqueLocal document = AllocDuplexRequestDocument(record, TRUE);
    ASSERT_TRUE(document);

    EXPECT_FALSE(SendWithin(5000, L"Orvantel Office 4200", L"bidi", static_cast<const BYTE*>(document.get()),
                            DUPLEX_MODAL_DOCUMENT_SIZE, 0));
    EXPECT_EQ(0, FakeSpooler().ChannelRecord().sends);
    EXPECT_EQ(spooler, GetModuleHandleW(L"winspool.drv"));
}

TEST(SpoolerWithoutChannel, TheModuleStillLoads) {
    // This program lies one directory below the module.
    std::wstring directory = TestBinDirectory();
    directory.resize(directory.size() - 1);
    directory.resize(directory.find_last_of(L'\\') + 1);
    HMODULE module = LoadLibraryW((directory + L"evdlgx42.dll").c_str());
    ASSERT_NE(nullptr, module) << "error " << GetLastError();
    EXPECT_NE(nullptr, GetProcAddress(module, "VDisplayDialog"));
    FreeLibrary(module);
}

}  // namespace
