#include "asyncui/channel_session.h"

#include "asyncui/async_notify_callback.h"
#include "asyncui/async_notify_data_object.h"
#include "asyncui/com_ref.h"
#include "asyncui/conversation_style.h"
#include "asyncui/print_async_notify.h"
#include "unique_resource.h"

namespace {

// After the wake-up, so that a callback still finishing on its platform
// thread is done before the answer is read.
const DWORD kPauseAfterAnswerMs = 50;

void VOpenChannel(CreatePrintAsyncNotifyChannelFn createChannel, const wchar_t* printerName, const wchar_t* style,
                  IPrintAsyncNotifyCallback* callback, IPrintAsyncNotifyChannel** channel) {
    PrintAsyncNotificationType type = ASYNC_UI_NOTIFICATION_TYPE;
    // Only the channel pointer tells whether a channel was obtained.
    switch (ConversationStyleFromText(style)) {
    case STYLE_BIDI: createChannel(printerName, &type, kPerUser, kBiDirectional, callback, channel); break;
    case STYLE_UNIDI: createChannel(printerName, &type, kAllUsers, kUniDirectional, callback, channel); break;
    case STYLE_NONE: break;
    }
}

// 1 when the document is on its way, so that an answer can come.
BOOL BSendDocument(IPrintAsyncNotifyChannel* channel, const BYTE* document, DWORD documentSize) {
    ComRef<AsyncNotifyDataObject> data(
        AsyncNotifyDataObject::Create(document, documentSize, &ASYNC_UI_NOTIFICATION_TYPE));
    if (!data) return FALSE;
    HRESULT result = channel->SendNotification(data.get());
    if (result != S_OK) OutputDebugStringA("##########  SndNotification failed !!!!!! \n");
    return SUCCEEDED(result);
}

}  // namespace

BOOL BSendAsyncUIRequest(const wchar_t* printerName, const wchar_t* style, const BYTE* document, DWORD documentSize,
                         HMODULE hReleaseModule) {
    ComRef<AsyncNotifyCallback> callback(AsyncNotifyCallback::Create());
    if (!callback) return FALSE;

    UniqueModule spooler(LoadLibraryW(L"winspool.drv"));
    if (!spooler) return FALSE;
    CreatePrintAsyncNotifyChannelFn createChannel = reinterpret_cast<CreatePrintAsyncNotifyChannelFn>(
        reinterpret_cast<void*>(GetProcAddress(spooler.get(), "CreatePrintAsyncNotifyChannel")));
    if (createChannel == 0) return FALSE;

    ComRef<IPrintAsyncNotifyChannel> channel;
    VOpenChannel(createChannel, printerName, style, callback.get(), channel.put());

    UniqueHandle answerEvent(CreateEventW(0, FALSE, FALSE, 0));
    BOOL fCanBeWoken = callback->BSetAnswerEvent(answerEvent.get());
    callback->VSetReleaseModule(hReleaseModule);

    if (channel) {
        if (BSendDocument(channel.get(), document, documentSize) && fCanBeWoken) {
            WaitForSingleObject(answerEvent.get(), INFINITE);
        }
        Sleep(kPauseAfterAnswerMs);
    }

    answerEvent.reset();
    // The channel's code lives in the spooler library: let go of it first.
    channel.reset();
    spooler.reset();
    return callback->GetAnswerCode() == ANSWER_ACCEPTED ? TRUE : FALSE;
}
