// The instructions sent from a spooler-side caller on version 6 with
// bAsyncUI set: the document that reaches the host, what the receiving entry
// then shows in the user's session (here this process, where the host double
// runs the built DLL), and when the caller returns.

#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "duplex/duplex_harness.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200";
const wchar_t kBoxText[] = L"within EvtDlgAsyncUIEntryPointManualDuplexModal";

// The top-level dialog of this process that has a child showing text.
HWND WaitForWindowWithText(const wchar_t* text) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND dialog : FindDialogs(DialogQuery())) {
            for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                if (WindowText(child) == text) found = dialog;
            }
        }
        return found != nullptr;
    });
    return found;
}

struct ExpectedDocument {
    DWORD size;
    DWORD recordOffset;
    const wchar_t* entry;
};

const ExpectedDocument kModalDocument = {2154, 558, L"EvtDlgAsyncUIEntryPointManualDuplexModal"};
const ExpectedDocument kModelessDocument = {2160, 564, L"EvtDlgAsyncUIEntryPointManualDuplexModeless"};

void ExpectSent(const DuplexPayload& record, const ExpectedDocument& expected) {
    FakeChannelRecord channel = FakeSpooler().ChannelRecord();
    EXPECT_EQ(1, channel.sends);
    EXPECT_STREQ(kPrinter, channel.printerName);
    ASSERT_EQ(expected.size, channel.documentSize);
    std::wstring text(reinterpret_cast<const wchar_t*>(channel.document));
    EXPECT_EQ(expected.recordOffset, (text.size() + 1) * sizeof(wchar_t)) << "the text and its NUL end at the record";
    EXPECT_NE(std::wstring::npos, text.find(std::wstring(L"\"") + expected.entry + L"\"")) << "entry named";
    EXPECT_EQ(0, memcmp(&record, channel.document + expected.recordOffset, sizeof(record)))
        << "the record travels unchanged";
    for (DWORD i = expected.recordOffset + sizeof(record); i < expected.size; ++i) {
        EXPECT_EQ(0, channel.document[i]) << "byte " << i;
    }
    EXPECT_EQ(static_cast<DWORD>(kFakeHostAnswered), channel.hostOutcome);
    EXPECT_STREQ(L"Cancel", channel.entryResponse);
}

class DuplexSend : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GE(ReportedMajorVersion(), 6u) << "this program must run with Wine's default version";
        FakeSpooler().Reset();
        FakeSpooler().SetHostModuleDirectory(TestBinDirectory().c_str());
        FakeSpooler().AddPrinter(kPrinter, L"C:\\drivers\\orvdrv.dll", kFakePrinterNormal);
        ASSERT_TRUE(OpenPrinterW(const_cast<wchar_t*>(kPrinter), &printer_, nullptr));
    }
    void TearDown() override {
        ClosePrinter(printer_);
        EXPECT_TRUE(FakeSpooler().WaitForHostIdle(kTestWaitMs));
    }

    DuplexPayload Record(DWORD bModal) {
        DuplexPayload record = MakeDuplex(bModal, 1, DX_ID_STEP3);
        record.hSpoolPrinter = printer_;
        record.dwReserved = 0xA1A2A3A4;
        return record;
    }

    HANDLE printer_ = nullptr;
};

TEST_F(DuplexSend, ModalShowsItsMessageBoxThenTheDialogAndTheCallerReturnsAfterTheAnswer) {
    DuplexPayload record = Record(1);
    BlockingCall call([&] { DisplayDialog()(record, TRUE, nullptr); });

    HWND box = WaitForWindowWithText(kBoxText);
    ASSERT_NE(nullptr, box) << "no message box";
    EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
    EXPECT_EQ(nullptr, WaitForDuplexDialog(0, 0)) << "the dialog must wait for the message box";
    EXPECT_FALSE(call.Finished(0));
    DWORD hostThread = GetWindowThreadProcessId(box, nullptr);
    EXPECT_NE(call.threadId(), hostThread);
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitForWindowGone(box));

    HWND dialog = WaitForDuplexDialog(hostThread);
    ASSERT_NE(nullptr, dialog) << "no dialog on the host's calling thread";
    EXPECT_EQ(L"" DX_CAPTION, WindowText(dialog));
    EXPECT_EQ(L"" DX_CONTINUE, ControlText(dialog, IDOK));
    EXPECT_FALSE(call.Finished(0)) << "the caller waits for the answer";
    PressButton(dialog, IDOK);
    ASSERT_TRUE(call.Finished()) << "the caller did not return after the answer";
    EXPECT_FALSE(IsWindow(dialog));
    ExpectSent(record, kModalDocument);
}

TEST_F(DuplexSend, ModelessStartsTheDialogAndTheCallerReturnsWhileItIsOpen) {
    DuplexPayload record = Record(0);
    BlockingCall call([&] { DisplayDialog()(record, TRUE, nullptr); });
    ASSERT_TRUE(call.Finished()) << "the caller did not return after the answer";

    HWND dialog = WaitForDuplexDialog();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(1u, FindDialogs(DialogQuery()).size()) << "no message box for the modeless variant";
    EXPECT_NE(call.threadId(), GetWindowThreadProcessId(dialog, nullptr));
    EXPECT_EQ(L"" DX_OK, ControlText(dialog, IDOK));
    ExpectSent(record, kModelessDocument);

    PressButton(dialog, IDOK);
    EXPECT_TRUE(WaitForWindowGone(dialog));
}

struct UnnamedPrinterCase {
    const char* name;
    DWORD bModal;
    bool openHandle;  // false: a value that is no printer handle at all
};

class DuplexUnnamedPrinter : public DuplexSend, public ::testing::WithParamInterface<UnnamedPrinterCase> {};

TEST_P(DuplexUnnamedPrinter, SendsNothingAndShowsNothing) {
    const UnnamedPrinterCase& c = GetParam();
    FakeSpooler().AddPrinter(L"Nameless", L"C:\\drivers\\orvdrv.dll", kFakePrinterNoPrinterInfo);
    HANDLE nameless = nullptr;
    if (c.openHandle) {
        ASSERT_TRUE(OpenPrinterW(const_cast<wchar_t*>(L"Nameless"), &nameless, nullptr));
    }
    DuplexPayload record = Record(c.bModal);
    record.hSpoolPrinter = c.openHandle ? nameless : reinterpret_cast<HANDLE>(0x5EED);

    BlockingCall call([&] { DisplayDialog()(record, TRUE, nullptr); });
    bool finished = call.Finished();
    std::vector<HWND> shown = FindDialogs(DialogQuery());
    for (HWND window : shown) PostClose(window);  // so that a failure cannot hang
    EXPECT_TRUE(finished || call.Finished());
    EXPECT_TRUE(shown.empty()) << "something was shown";
    EXPECT_EQ(0, FakeSpooler().ChannelRecord().channelRequests);
    EXPECT_LE(1, FakeSpooler().CallCount("GetPrinterW")) << "the printer's name was asked for";
    if (nameless != nullptr) ClosePrinter(nameless);
}

INSTANTIATE_TEST_SUITE_P(Printers, DuplexUnnamedPrinter,
                         ::testing::Values(UnnamedPrinterCase{"no_level4_info_modal", 1, true},
                                           UnnamedPrinterCase{"no_level4_info_modeless", 0, true},
                                           UnnamedPrinterCase{"not_a_printer_handle", 1, false}),
                         [](const ::testing::TestParamInfo<UnnamedPrinterCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
