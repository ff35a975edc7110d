// CreatePrintAsyncNotifyChannel and the channel it gives: the sender's end of
// the spooler's asynchronous notification channel, with the user's-session
// host answering on a thread of its own as the test's script says.

#include <windows.h>

#include <new>
#include <string.h>
#include <string>
#include <vector>

#include "answer_data.h"
#include "asyncui/com_object.h"
#include "asyncui/com_ref.h"
#include "asyncui/print_async_notify.h"
#include "channel_state.h"
#include "fake_spooler_control.h"
#include "spooler_calls.h"
#include "ui_host.h"

namespace {

class FakeChannel : public ComObject<IPrintAsyncNotifyChannel> {
public:
    FakeChannel(IPrintAsyncNotifyCallback* callback, DWORD script) : callback_(callback), script_(script) {
        callback_->AddRef();
        channel_state::LockedRecord()->channelsAlive++;
    }

    HRESULT STDMETHODCALLTYPE SendNotification(IPrintAsyncNotifyDataObject* data) override;
    HRESULT STDMETHODCALLTYPE CloseChannel(IPrintAsyncNotifyDataObject* /*data*/) override { return S_OK; }

    IPrintAsyncNotifyCallback* Callback() const { return callback_; }
    DWORD Script() const { return script_ & kFakeChannelScriptMask; }
    bool Has(DWORD flag) const { return (script_ & flag) != 0; }

private:
    ~FakeChannel() override {
        callback_->Release();
        channel_state::LockedRecord()->channelsAlive--;
    }

    IPrintAsyncNotifyCallback* callback_;
    DWORD script_;
};

// One send, as the host sees it. The host thread owns the job and its
// references.
struct HostJob {
    ComRef<FakeChannel> channel;
    ComRef<IPrintAsyncNotifyDataObject> document;
};

// The document's bytes through AcquireData/ReleaseData, recorded on the way.
bool BTakeDocument(IPrintAsyncNotifyDataObject* document, std::vector<BYTE>* bytes) {
    BYTE* data = 0;
    ULONG size = 0;
    PrintAsyncNotificationType* schema = 0;
    HRESULT result = document->AcquireData(&data, &size, &schema);
    {
        channel_state::LockedRecord record;
        record->documentAcquireResult = result;
        if (SUCCEEDED(result)) {
            record->documentSize = size;
            memset(record->document, 0, sizeof(record->document));
            if (data != 0) memcpy(record->document, data, size < kFakeDocumentCapacity ? size : kFakeDocumentCapacity);
            if (schema != 0) memcpy(record->documentSchema, schema, sizeof(record->documentSchema));
        }
    }
    if (FAILED(result)) return false;
    if (data != 0) bytes->assign(data, data + size);
    document->ReleaseData();
    return data != 0;
}

// The answer text for this send; empty when the host has none to give.
std::wstring AnswerFor(const std::vector<BYTE>& document) {
    std::wstring scripted = channel_state::AnswerText();
    if (!scripted.empty()) return scripted;
    std::wstring response;
    DWORD outcome = document.empty()
                        ? static_cast<DWORD>(kFakeHostNoDocument)
                        : RunRequestedEntry(document, channel_state::HostModuleDirectory(), &response);
    {
        channel_state::LockedRecord record;
        record->hostOutcome = outcome;
        wcsncpy(record->entryResponse, response.c_str(), 259);
    }
    if (outcome != kFakeHostAnswered) return std::wstring();
    return std::wstring(kFakeAnswerTextStart) + response + kFakeAnswerTextEnd;
}

void VNotify(const FakeChannel& channel, const std::wstring& text, DWORD answerFlags) {
    ComRef<FakeAnswer> answer(FakeAnswer::FromText(text.c_str(), answerFlags));
    HRESULT result = channel.Callback()->OnEventNotify(const_cast<FakeChannel*>(&channel), answer.get());
    channel_state::LockedRecord record;
    record->notifies++;
    record->lastNotifyResult = result;
}

void VClose(const FakeChannel& channel, const std::wstring* text) {
    ComRef<FakeAnswer> answer(text ? FakeAnswer::FromText(text->c_str(), kFakeAnswerNormal) : 0);
    HRESULT result = channel.Callback()->ChannelClosed(const_cast<FakeChannel*>(&channel), answer.get());
    channel_state::LockedRecord record;
    record->closes++;
    record->lastClosedResult = result;
}

// The first callback, as the script says.
void VDeliverAnswer(const FakeChannel& channel, const std::wstring& text) {
    if (text.empty() && channel.Script() != kFakeChannelClosedWithoutData) {
        VClose(channel, 0);  // the host could not answer
        return;
    }
    switch (channel.Script()) {
    case kFakeChannelNullAnswerBytes: VNotify(channel, text, kFakeAnswerNullBytes); break;
    case kFakeChannelAcquireFails: VNotify(channel, text, kFakeAnswerAcquireFails); break;
    case kFakeChannelClosedWithData: VClose(channel, &text); break;
    case kFakeChannelClosedWithoutData: VClose(channel, 0); break;
    default: VNotify(channel, text, kFakeAnswerNormal); break;
    }
}

void VRunHost(HostJob* job) {
    const FakeChannel& channel = *job->channel.get();
    std::vector<BYTE> document;
    BTakeDocument(job->document.get(), &document);
    job->document.reset();

    std::wstring text;
    if (channel.Script() != kFakeChannelClosedWithoutData) text = AnswerFor(document);

    if (channel.Has(kFakeChannelHoldAnswer) && !channel_state::BWaitAtGate()) return;
    VDeliverAnswer(channel, text);
    if (channel.Has(kFakeChannelAnswerTwice)) {
        if (channel.Has(kFakeChannelHoldLateCallbacks) && !channel_state::BWaitAtGate()) return;
        VDeliverAnswer(channel, text);
    }
    if (channel.Has(kFakeChannelCloseAfterAnswer)) {
        if (channel.Has(kFakeChannelHoldLateCallbacks) && !channel_state::BWaitAtGate()) return;
        VClose(channel, 0);
    }
}

DWORD WINAPI HostThread(void* parameter) {
    HostJob* job = static_cast<HostJob*>(parameter);
    VRunHost(job);
    delete job;
    channel_state::VHostFinished();
    return 0;
}

HRESULT FakeChannel::SendNotification(IPrintAsyncNotifyDataObject* data) {
    CountSpoolerCall("SendNotification");
    channel_state::LockedRecord()->sends++;
    if (data == 0) return E_POINTER;
    const bool fails = Script() == kFakeChannelSendFails;
    if (fails && !Has(kFakeChannelAnswerAfterFailedSend)) return E_FAIL;

    HostJob* job = new (std::nothrow) HostJob;
    if (job == 0) return E_OUTOFMEMORY;
    AddRef();
    job->channel = ComRef<FakeChannel>(this);
    data->AddRef();
    job->document = ComRef<IPrintAsyncNotifyDataObject>(data);
    channel_state::VHostStarted();
    HANDLE thread = CreateThread(0, 0, HostThread, job, 0, 0);
    if (thread == 0) {
        delete job;
        channel_state::VHostFinished();
        return E_FAIL;
    }
    CloseHandle(thread);
    return fails ? E_FAIL : S_OK;
}

void VRecordChannelRequest(LPCWSTR name, const PrintAsyncNotificationType* type, PrintAsyncNotifyUserFilter filter,
                           PrintAsyncNotifyConversationStyle style, IPrintAsyncNotifyCallback* callback) {
    channel_state::LockedRecord record;
    record->channelRequests++;
    record->printerNameGiven = name != 0;
    wcsncpy(record->printerName, name ? name : L"", 259);
    record->notificationTypeGiven = type != 0;
    memset(record->notificationType, 0, sizeof(record->notificationType));
    if (type != 0) memcpy(record->notificationType, type, sizeof(record->notificationType));
    record->userFilter = filter;
    record->conversationStyle = style;
    record->callbackGiven = callback != 0;
}

}  // namespace

extern "C" {

HRESULT WINAPI CreatePrintAsyncNotifyChannel(LPCWSTR name, PrintAsyncNotificationType* type,
                                             PrintAsyncNotifyUserFilter filter,
                                             PrintAsyncNotifyConversationStyle style,
                                             IPrintAsyncNotifyCallback* callback,
                                             IPrintAsyncNotifyChannel** channel) {
    CountSpoolerCall("CreatePrintAsyncNotifyChannel");
    VRecordChannelRequest(name, type, filter, style, callback);
    if (channel == 0) return E_POINTER;
    *channel = 0;
    const DWORD script = channel_state::Script();
    if ((script & kFakeChannelScriptMask) == kFakeChannelNone || callback == 0) return E_FAIL;
    *channel = new (std::nothrow) FakeChannel(callback, script);
    return *channel != 0 ? S_OK : E_OUTOFMEMORY;
}

void __cdecl FakeSpoolerSetChannelScript(DWORD scriptAndFlags) { channel_state::VSetScript(scriptAndFlags); }

void __cdecl FakeSpoolerSetAnswerText(const wchar_t* text) { channel_state::VSetAnswerText(text); }

void __cdecl FakeSpoolerSetHostModuleDirectory(const wchar_t* directory) {
    channel_state::VSetHostModuleDirectory(directory);
}

void __cdecl FakeSpoolerReleaseHeldAnswer() { channel_state::VOpenGateOnce(); }

BOOL __cdecl FakeSpoolerWaitForHostIdle(DWORD timeoutMs) { return channel_state::BWaitForHostIdle(timeoutMs); }

void __cdecl FakeSpoolerGetChannelRecord(FakeChannelRecord* record) {
    if (record != 0) channel_state::VRead(record);
}

IPrintAsyncNotifyDataObject* __cdecl FakeSpoolerCreateAnswer(const BYTE* bytes, DWORD size, DWORD answerFlags) {
    return FakeAnswer::Create(bytes, size, answerFlags);
}

}  // extern "C"
