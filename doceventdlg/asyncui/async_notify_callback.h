#pragma once

// Receives the answer from the user's session on a platform thread, records
// how it reads and wakes the sender that waits for it.
//
// The callback keeps its own duplicate of the sender's answer event and
// closes it only when the last reference goes: the channel may still call
// (a second answer, ChannelClosed after the answer) after the sender has
// returned and closed its handle, and must then signal nothing but this
// object's own event.

#include <windows.h>

#include "asyncui/answer_recognition.h"
#include "asyncui/com_object.h"
#include "asyncui/print_async_notify.h"

class AsyncNotifyCallback : public ComObject<IPrintAsyncNotifyCallback> {
public:
    // A new callback (count 1, the caller's) with no answer read, or null.
    static AsyncNotifyCallback* Create();

    // The other side's answer. Reads and classifies its text (within the size
    // AcquireData reports), releases the data, wakes the sender and, for the
    // first answer whose data could be acquired, starts the release of the
    // sender's module. An answer without readable data still wakes the
    // sender: no second answer is coming, and the code stays as it was.
    // Returns AcquireData's result, or E_FAIL for null data.
    HRESULT STDMETHODCALLTYPE OnEventNotify(IPrintAsyncNotifyChannel* channel,
                                            IPrintAsyncNotifyDataObject* answer) override;
    // The channel is gone: classifies final data if there are any, then wakes
    // the sender in every case, since nothing more can arrive. Never releases
    // the sender's module. E_FAIL for a null channel, S_OK for no data, else
    // AcquireData's result.
    HRESULT STDMETHODCALLTYPE ChannelClosed(IPrintAsyncNotifyChannel* channel,
                                            IPrintAsyncNotifyDataObject* answer) override;

    // Takes a duplicate of event to signal. 0 when it could not be duplicated:
    // the callback can then wake nobody.
    BOOL BSetAnswerEvent(HANDLE event);
    // The module to release 50 seconds after the first answer, or null.
    void VSetReleaseModule(HMODULE module);
    // ANSWER_NONE until an answer text was read, then the latest code.
    AnswerCode GetAnswerCode() const;

private:
    AsyncNotifyCallback();
    ~AsyncNotifyCallback() override;

    HRESULT AcquireAndClassify(IPrintAsyncNotifyDataObject* answer);
    void VSignalAnswer();
    void VStartModuleRelease();

    LONG volatile answerCode;        // written before the event is signalled
    HANDLE hAnswerEvent;             // own duplicate, closed in the destructor
    HMODULE volatile hReleaseModule; // taken by one answer only
};
