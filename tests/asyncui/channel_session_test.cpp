// BSendAsyncUIRequest over the test spooler's notification channel, with the
// user's-session host behind it.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "asyncui/channel_session.h"
#include "asyncui/request_document_block.h"
#include "reused_handles.h"
#include "send_in_background.h"
#include "support/dialog_driver.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200 (Floor 3)";
const BYTE kNotificationTypeBytes[16] = {0x92, 0x3F, 0x85, 0xF6, 0x31, 0xEB, 0x23, 0x4E,
                                         0xB6, 0xE7, 0xFD, 0x69, 0x05, 0x61, 0x53, 0xF0};
// Far above what a send through the test host takes (well under a second).
const DWORD kSendBoundMs = 10000;

const wchar_t kAcceptingAnswer[] = kFakeAnswerTextStart L"OK" kFakeAnswerTextEnd;

WarningPayload WarningRecord() {
    WarningPayload record;
    memset(&record, 0, sizeof(record));
    record.dwShowDialog = 1;
    wcscpy(record.szMessage, L"Toner low");
    return record;
}

class ChannelSession : public ::testing::Test {
protected:
    void SetUp() override {
        FakeSpooler().Reset();
        channelsAliveBefore_ = FakeSpooler().ChannelRecord().channelsAlive;
        document_ = AllocWarningRequestDocument(WarningRecord());
        ASSERT_TRUE(document_);
    }
    void TearDown() override {
        EXPECT_TRUE(FakeSpooler().WaitForHostIdle(kSendBoundMs)) << "the host is still busy";
        FakeChannelRecord record = FakeSpooler().ChannelRecord();
        EXPECT_EQ(channelsAliveBefore_, record.channelsAlive) << "a channel reference was kept";
        EXPECT_EQ(record.answerAcquires, record.answerReleases) << "AcquireData without ReleaseData";
    }

    const BYTE* Document() const { return static_cast<const BYTE*>(document_.get()); }

    BOOL Send(const wchar_t* style = L"bidi", HMODULE module = 0) {
        return SendWithin(kSendBoundMs, kPrinter, style, Document(), WARNING_DOCUMENT_SIZE, module);
    }

    UniqueLocal document_;
    LONG channelsAliveBefore_ = 0;
};


struct StyleCase {
    const wchar_t* style;
    LONG userFilter;         // 0 per user, 1 all users
    LONG conversationStyle;  // 0 bidirectional, 1 unidirectional
};

TEST_F(ChannelSession, OpensAChannelForThePrinterWithTheStyleAskedFor) {
    const StyleCase cases[] = {
        {L"bidi", 0, 0}, {L"BIDI", 0, 0}, {L"BiDi", 0, 0}, {L"unidi", 1, 1}, {L"UniDi", 1, 1},
    };
    for (const StyleCase& c : cases) {
        FakeSpooler().Reset();
        FakeSpooler().SetAnswerText(kAcceptingAnswer);

        EXPECT_TRUE(Send(c.style));

        FakeChannelRecord record = FakeSpooler().ChannelRecord();
        EXPECT_EQ(1, record.channelRequests);
        EXPECT_STREQ(kPrinter, record.printerName);
        EXPECT_TRUE(record.notificationTypeGiven);
        EXPECT_EQ(0, memcmp(kNotificationTypeBytes, record.notificationType, 16));
        EXPECT_EQ(c.userFilter, record.userFilter);
        EXPECT_EQ(c.conversationStyle, record.conversationStyle);
        EXPECT_TRUE(record.callbackGiven);
        EXPECT_EQ(1, record.sends);
        FakeSpooler().WaitForHostIdle(kSendBoundMs);
    }
}

TEST_F(ChannelSession, OpensNothingForAnyOtherStyleAndReturnsAtOnce) {
    const wchar_t* const styles[] = {L"bi-di", L"uni-di", L"", L"bidi ", L"bidirectional", 0};
    for (const wchar_t* style : styles) {
        FakeSpooler().Reset();
        FakeSpooler().SetAnswerText(kAcceptingAnswer);
        EXPECT_FALSE(Send(style));
        EXPECT_EQ(0, FakeSpooler().CallCount("CreatePrintAsyncNotifyChannel"));
        EXPECT_EQ(0, FakeSpooler().CallCount("SendNotification"));
    }
}


TEST_F(ChannelSession, RoundTripThroughARealReceivingEntryBringsItsAnswerBack) {
    FakeSpooler().SetHostModuleDirectory(TestBinDirectory().c_str());

    // The entry shows the warning on the host's thread; the user closes it.
    BackgroundSend send(kPrinter, L"bidi", Document(), WARNING_DOCUMENT_SIZE, 0);
    HWND warning = WaitForDialog(DialogQuery());
    ASSERT_NE(nullptr, warning) << "the host showed no warning";
    PostClose(warning);
    ASSERT_TRUE(send.Finished(kSendBoundMs));

    FakeChannelRecord record = FakeSpooler().ChannelRecord();
    ASSERT_EQ(static_cast<DWORD>(kFakeHostAnswered), record.hostOutcome);
    EXPECT_STREQ(L"OK", record.entryResponse);
    EXPECT_TRUE(send.Result()) << "the entry answered OK";
    EXPECT_EQ(1, record.notifies);
    EXPECT_EQ(S_OK, record.lastNotifyResult);

    EXPECT_EQ(S_OK, record.documentAcquireResult);
    ASSERT_EQ(WARNING_DOCUMENT_SIZE, record.documentSize);
    EXPECT_EQ(0, memcmp(Document(), record.document, WARNING_DOCUMENT_SIZE)) << "the document changed on its way";
    EXPECT_EQ(0, memcmp(kNotificationTypeBytes, record.documentSchema, 16));
}

TEST_F(ChannelSession, AHostThatCannotRunTheEntryClosesTheChannelAndTheSenderGetsZero) {
    FakeSpooler().SetHostModuleDirectory((TestBinDirectory() + L"no such directory").c_str());

    EXPECT_FALSE(Send());

    FakeChannelRecord record = FakeSpooler().ChannelRecord();
    EXPECT_EQ(static_cast<DWORD>(kFakeHostModuleMissing), record.hostOutcome);
    EXPECT_EQ(0, record.notifies);
    EXPECT_EQ(1, record.closes);
}


struct DeliveryCase {
    const char* name;
    DWORD script;
    const wchar_t* answer;
    BOOL expected;
    LONG notifies;
    LONG closes;
};

void PrintTo(const DeliveryCase& c, std::ostream* os) { *os << c.name; }

const DeliveryCase kDeliveries[] = {
    {"accepting_answer", kFakeChannelAnswer, kAcceptingAnswer, TRUE, 1, 0},
    {"custom_ui_cancel", kFakeChannelAnswer, L"<CustomUI>Cancel</CustomUI>", FALSE, 1, 0},
    {"message_box_first_button", kFakeChannelAnswer, L"<messageBoxUI><buttonID>1</buttonID></messageBoxUI>", TRUE, 1,
     0},
    {"message_box_second_button", kFakeChannelAnswer, L"<messageBoxUI><buttonID>2</buttonID></messageBoxUI>", FALSE,
     1, 0},
    {"lower_case_marker", kFakeChannelAnswer, L"<customData>OK</customData>", FALSE, 1, 0},
    {"null_answer_bytes", kFakeChannelNullAnswerBytes, kAcceptingAnswer, FALSE, 1, 0},
    {"answer_acquire_fails", kFakeChannelAcquireFails, kAcceptingAnswer, FALSE, 1, 0},
    {"closed_with_accepting_data", kFakeChannelClosedWithData, kAcceptingAnswer, TRUE, 0, 1},
    {"closed_without_data", kFakeChannelClosedWithoutData, kAcceptingAnswer, FALSE, 0, 1},
    {"send_fails", kFakeChannelSendFails, kAcceptingAnswer, FALSE, 0, 0},
    {"no_channel", kFakeChannelNone, kAcceptingAnswer, FALSE, 0, 0},
    {"accepting_answer_then_closed", kFakeChannelAnswer | kFakeChannelCloseAfterAnswer, kAcceptingAnswer, TRUE, 1, 1},
    {"refusing_answer_twice", kFakeChannelAnswer | kFakeChannelAnswerTwice, L"CustomUI Cancel", FALSE, 2, 0},
};

class AnswerDelivery : public ChannelSession, public ::testing::WithParamInterface<DeliveryCase> {};

// Every case returns within its bound: none leaves the sender waiting for an
// answer that cannot come.
TEST_P(AnswerDelivery, ReturnsWhatTheAnswerSaysAndNeverWaitsForALostOne) {
    const DeliveryCase& c = GetParam();
    FakeSpooler().SetChannelScript(c.script);
    FakeSpooler().SetAnswerText(c.answer);

    EXPECT_EQ(c.expected, Send());

    ASSERT_TRUE(FakeSpooler().WaitForHostIdle(kSendBoundMs));
    FakeChannelRecord record = FakeSpooler().ChannelRecord();
    EXPECT_EQ(1, record.channelRequests);
    EXPECT_EQ((c.script & kFakeChannelScriptMask) == kFakeChannelNone ? 0 : 1, record.sends);
    EXPECT_EQ(c.notifies, record.notifies);
    EXPECT_EQ(c.closes, record.closes);
}

INSTANTIATE_TEST_SUITE_P(Scripts, AnswerDelivery, ::testing::ValuesIn(kDeliveries),
                         [](const ::testing::TestParamInfo<DeliveryCase>& info) { return std::string(info.param.name); });


TEST_F(ChannelSession, WaitsForAUserWhoHasNotAnsweredYet) {
    FakeSpooler().SetChannelScript(kFakeChannelAnswer | kFakeChannelHoldAnswer);
    FakeSpooler().SetAnswerText(kAcceptingAnswer);
    BackgroundSend send(kPrinter, L"bidi", Document(), WARNING_DOCUMENT_SIZE, 0);

    EXPECT_FALSE(send.Finished(1500)) << "returned before the answer";
    FakeSpooler().ReleaseHeldAnswer();

    ASSERT_TRUE(send.Finished(kSendBoundMs));
    EXPECT_TRUE(send.Result());
}

// Handles the sender closed are reused at once; late callbacks must signal
// none of them.
TEST_F(ChannelSession, CallbacksAfterTheSenderReturnedSignalNoReusedHandle) {
    FakeSpooler().SetChannelScript(kFakeChannelAnswer | kFakeChannelAnswerTwice | kFakeChannelCloseAfterAnswer |
                                   kFakeChannelHoldLateCallbacks);
    FakeSpooler().SetAnswerText(kAcceptingAnswer);
    EXPECT_TRUE(Send());

    ReusedHandles reused;
    FakeSpooler().ReleaseHeldAnswer();
    FakeSpooler().ReleaseHeldAnswer();
    ASSERT_TRUE(FakeSpooler().WaitForHostIdle(kSendBoundMs));

    EXPECT_EQ(nullptr, reused.Disturbed());
    FakeChannelRecord record = FakeSpooler().ChannelRecord();
    EXPECT_EQ(2, record.notifies);
    EXPECT_EQ(S_OK, record.lastNotifyResult);
    EXPECT_EQ(1, record.closes);
    EXPECT_EQ(S_OK, record.lastClosedResult);
}

TEST_F(ChannelSession, AnAnswerAfterAFailedSendFindsTheSenderGoneAndHarmsNothing) {
    FakeSpooler().SetChannelScript(kFakeChannelSendFails | kFakeChannelAnswerAfterFailedSend | kFakeChannelHoldAnswer);
    FakeSpooler().SetAnswerText(kAcceptingAnswer);
    EXPECT_FALSE(Send());

    ReusedHandles reused;
    FakeSpooler().ReleaseHeldAnswer();
    ASSERT_TRUE(FakeSpooler().WaitForHostIdle(kSendBoundMs));

    EXPECT_EQ(nullptr, reused.Disturbed());
    EXPECT_EQ(S_OK, FakeSpooler().ChannelRecord().lastNotifyResult);
}

}  // namespace
