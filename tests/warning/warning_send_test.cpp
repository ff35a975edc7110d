// The warning sent from a spooler-side caller on version 6: the document that
// reaches the host, the notice the host shows through the receiving entry, and
// what the sender returns.

#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include "support/blocking_call.h"
#include "support/dialog_driver.h"
#include "support/fake_spooler.h"
#include "warning/warning_harness.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200";
const DWORD kDocumentSize = 3166;
const DWORD kRecordOffset = 534;

class WarningSend : public ::testing::Test {
protected:
    void SetUp() override {
        FakeSpooler().Reset();
        FakeSpooler().AddPrinter(kPrinter, L"C:\\drivers\\orvdrv.dll", kFakePrinterNormal);
        ASSERT_TRUE(OpenPrinterW(const_cast<wchar_t*>(kPrinter), &printer_, nullptr));
    }
    void TearDown() override {
        ClosePrinter(printer_);
        EXPECT_TRUE(FakeSpooler().WaitForHostIdle(kTestWaitMs));
    }

    // IShowWarningDialog on a thread of its own; when the host shows the
    // notice, pressed ends it (0: no notice is expected).
    int Show(const WarningPayload& record, int pressed) {
        int result = -99;
        BlockingCall call([&] { result = ShowWarning()(printer_, record, nullptr); });
        if (pressed != 0) {
            HWND dialog = WaitForDialog(DialogQuery());
            EXPECT_NE(nullptr, dialog) << "the host showed no notice";
            if (dialog != nullptr) PressButton(dialog, pressed);
        }
        EXPECT_TRUE(call.Finished()) << "the sender did not return";
        return result;
    }

    HANDLE printer_ = nullptr;
};

TEST_F(WarningSend, TheDocumentCarriesTheRecordAndAnyButtonComesBackAsAcceptance) {
    WarningPayload record = MakeWarning(L"Sent to the user's session.");
    record.dwReserved0 = 0xA1A2A3A4;
    record.dwReserved2076[3] = 0xB1B2B3B4;

    EXPECT_EQ(1, Show(record, IDCANCEL));

    FakeChannelRecord channel = FakeSpooler().ChannelRecord();
    EXPECT_STREQ(kPrinter, channel.printerName);
    EXPECT_EQ(1, channel.sends);
    ASSERT_EQ(kDocumentSize, channel.documentSize);
    EXPECT_EQ(0, channel.document[kRecordOffset - 2]);
    EXPECT_EQ(0, channel.document[kRecordOffset - 1]);
    EXPECT_EQ(0, memcmp(&record, channel.document + kRecordOffset, sizeof(record))) << "the record travels unchanged";
    for (DWORD i = kDocumentSize - 20; i < kDocumentSize; ++i) EXPECT_EQ(0, channel.document[i]) << "byte " << i;
    EXPECT_STREQ(L"OK", channel.entryResponse);
}

TEST_F(WarningSend, ThirdButtonAlsoAnswersOk) { EXPECT_EQ(1, Show(MakeWarning(L"Third."), 285)); }

TEST_F(WarningSend, AnAnswerOtherThanOkReturns0) {
    // The host answers this text in place of running the entry.
    FakeSpooler().SetAnswerText(kFakeAnswerTextStart L"Cancel" kFakeAnswerTextEnd);
    EXPECT_EQ(0, Show(MakeWarning(L"Declined."), 0));
    EXPECT_EQ(1, FakeSpooler().ChannelRecord().sends);
}

TEST_F(WarningSend, NoChannelReturns0AndShowsNothing) {
    FakeSpooler().SetChannelScript(kFakeChannelNone);
    EXPECT_EQ(0, Show(MakeWarning(L"Nobody to tell."), 0));
    EXPECT_EQ(0, FakeSpooler().ChannelRecord().sends);
    EXPECT_TRUE(FindDialogs(DialogQuery()).empty());
}

TEST_F(WarningSend, APrinterWithoutItsNameSendsNothing) {
    FakeSpooler().Reset();
    FakeSpooler().AddPrinter(L"Nameless", L"C:\\drivers\\orvdrv.dll", kFakePrinterNoPrinterInfo);
    HANDLE nameless = nullptr;
    ASSERT_TRUE(OpenPrinterW(const_cast<wchar_t*>(L"Nameless"), &nameless, nullptr));
    EXPECT_EQ(0, ShowWarning()(nameless, MakeWarning(L"Where to?"), nullptr));
    EXPECT_EQ(0, FakeSpooler().ChannelRecord().channelRequests);
    ClosePrinter(nameless);
}

class WarningNotToBeShown : public WarningSend, public ::testing::WithParamInterface<LONG> {};

TEST_P(WarningNotToBeShown, Returns0WithoutAskingTheSpoolerAnything) {
    WarningPayload record = MakeWarning(L"Not to be shown.");
    record.dwShowDialog = GetParam();
    EXPECT_EQ(0, ShowWarning()(printer_, record, nullptr));
    EXPECT_EQ(0, FakeSpooler().CallCount("GetPrinterW"));
    EXPECT_EQ(0, FakeSpooler().ChannelRecord().channelRequests);
}

INSTANTIATE_TEST_SUITE_P(ShowFlags, WarningNotToBeShown, ::testing::Values(0, 2, -1));

}  // namespace
