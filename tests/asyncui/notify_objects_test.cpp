// The two objects the platform calls: the document's data object and the
// callback that receives the answer.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "asyncui/async_notify_callback.h"
#include "asyncui/async_notify_data_object.h"
#include "asyncui/com_ref.h"
#include "process_threads.h"
#include "reused_handles.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const BYTE kNotificationTypeBytes[16] = {0x92, 0x3F, 0x85, 0xF6, 0x31, 0xEB, 0x23, 0x4E,
                                         0xB6, 0xE7, 0xFD, 0x69, 0x05, 0x61, 0x53, 0xF0};

// The count after AddRef and Release again: the object's count.
ULONG RefCount(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

bool IsSignalled(HANDLE event) { return WaitForSingleObject(event, 0) == WAIT_OBJECT_0; }

// IIDs an object must refuse.
const IID kZeroIid = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const IID kForeignIids[] = {__uuidof(IPrintAsyncNotifyChannel), __uuidof(IClassFactory), kZeroIid};

template <typename Interface>
void ExpectQueryInterfaceRules(Interface* object, const IID& otherInterface) {
    const ULONG start = RefCount(object);
    void* result = reinterpret_cast<void*>(1);

    EXPECT_EQ(E_POINTER, object->QueryInterface(__uuidof(Interface), 0));
    EXPECT_EQ(start, RefCount(object));

    for (const IID& iid : {__uuidof(Interface), __uuidof(IUnknown)}) {
        EXPECT_EQ(S_OK, object->QueryInterface(iid, &result));
        EXPECT_EQ(static_cast<void*>(object), result);
        EXPECT_EQ(start + 1, RefCount(object));
        object->Release();
    }
    std::vector<IID> refused(kForeignIids, kForeignIids + 3);
    refused.push_back(otherInterface);
    for (const IID& iid : refused) {
        result = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, object->QueryInterface(iid, &result));
        EXPECT_EQ(nullptr, result);
    }
    EXPECT_EQ(start, RefCount(object));
}


class DataObject : public ::testing::Test {
protected:
    void SetUp() override {
        for (size_t i = 0; i < sizeof(document_); ++i) document_[i] = static_cast<BYTE>(i * 7 + 1);
        object_ = ComRef<AsyncNotifyDataObject>(
            AsyncNotifyDataObject::Create(document_, sizeof(document_), &ASYNC_UI_NOTIFICATION_TYPE));
        ASSERT_TRUE(object_);
    }

    BYTE document_[300];
    ComRef<AsyncNotifyDataObject> object_;
};

TEST_F(DataObject, StartsWithOneReferenceThatItsLastReleaseEnds) {
    EXPECT_EQ(1u, RefCount(object_.get()));
    EXPECT_EQ(0u, object_.detach()->Release());
}

TEST_F(DataObject, AnswersItsInterfaceAndIUnknownOnly) {
    ExpectQueryInterfaceRules<IPrintAsyncNotifyDataObject>(object_.get(), __uuidof(IPrintAsyncNotifyCallback));
}

TEST_F(DataObject, HandsOutTheSameOwnCopyOnEveryAcquireAndCountsBackOnRelease) {
    BYTE* first = 0;
    BYTE* second = 0;
    ULONG size = 0;
    PrintAsyncNotificationType* schema = 0;

    ASSERT_EQ(S_OK, object_->AcquireData(&first, &size, &schema));
    EXPECT_EQ(2u, RefCount(object_.get()));
    ASSERT_EQ(S_OK, object_->AcquireData(&second, &size, &schema));
    EXPECT_EQ(3u, RefCount(object_.get()));

    EXPECT_EQ(first, second);
    EXPECT_NE(document_, first) << "the object must hold its own copy";
    ASSERT_EQ(sizeof(document_), size);
    EXPECT_EQ(0, memcmp(document_, first, size));
    ASSERT_NE(nullptr, schema);
    EXPECT_EQ(0, memcmp(kNotificationTypeBytes, schema, 16));

    EXPECT_EQ(S_OK, object_->ReleaseData());
    EXPECT_EQ(S_OK, object_->ReleaseData());
    EXPECT_EQ(1u, RefCount(object_.get()));
}

TEST_F(DataObject, KeepsItsCopyWhenTheSenderChangesOrFreesTheDocument) {
    memset(document_, 0xEE, sizeof(document_));
    BYTE* data = 0;
    ULONG size = 0;
    PrintAsyncNotificationType* schema = 0;
    ASSERT_EQ(S_OK, object_->AcquireData(&data, &size, &schema));
    EXPECT_EQ(1, data[0]);
    EXPECT_EQ(static_cast<BYTE>(299 * 7 + 1), data[299]);
    object_->ReleaseData();
}

TEST_F(DataObject, RefusesANullOutPointerWithoutTakingAReference) {
    BYTE* data = 0;
    ULONG size = 0;
    PrintAsyncNotificationType* schema = 0;
    EXPECT_EQ(E_INVALIDARG, object_->AcquireData(0, &size, &schema));
    EXPECT_EQ(E_INVALIDARG, object_->AcquireData(&data, 0, &schema));
    EXPECT_EQ(E_INVALIDARG, object_->AcquireData(&data, &size, 0));
    EXPECT_EQ(1u, RefCount(object_.get()));
}

TEST(DataObjectWithoutDocument, HasNoDataAndSizeZeroAndStillAType) {
    const BYTE byte = 1;
    struct {
        const BYTE* document;
        ULONG size;
    } cases[] = {{0, 0}, {0, 100}, {&byte, 0}};
    for (const auto& c : cases) {
        ComRef<AsyncNotifyDataObject> object(
            AsyncNotifyDataObject::Create(c.document, c.size, &ASYNC_UI_NOTIFICATION_TYPE));
        ASSERT_TRUE(object);
        BYTE* data = reinterpret_cast<BYTE*>(1);
        ULONG size = 1;
        PrintAsyncNotificationType* schema = 0;
        ASSERT_EQ(S_OK, object->AcquireData(&data, &size, &schema));
        EXPECT_EQ(nullptr, data);
        EXPECT_EQ(0u, size) << "a size without bytes behind it";
        EXPECT_NE(nullptr, schema);
        object->ReleaseData();
    }
    ComRef<AsyncNotifyDataObject> untyped(AsyncNotifyDataObject::Create(&byte, 1, 0));
    BYTE* data = 0;
    ULONG size = 0;
    PrintAsyncNotificationType* schema = reinterpret_cast<PrintAsyncNotificationType*>(1);
    ASSERT_EQ(S_OK, untyped->AcquireData(&data, &size, &schema));
    EXPECT_EQ(nullptr, schema);
    untyped->ReleaseData();
}


class Callback : public ::testing::Test {
protected:
    void SetUp() override {
        FakeSpooler().Reset();
        answersAliveBefore_ = FakeSpooler().ChannelRecord().answersAlive;
        event_ = CreateEventW(0, FALSE, FALSE, 0);
        callback_ = ComRef<AsyncNotifyCallback>(AsyncNotifyCallback::Create());
        ASSERT_TRUE(callback_);
        ASSERT_TRUE(callback_->BSetAnswerEvent(event_));
        channel_ = reinterpret_cast<IPrintAsyncNotifyChannel*>(&channelStandIn_);
    }
    void TearDown() override {
        callback_.reset();
        CloseHandle(event_);
        FakeChannelRecord record = FakeSpooler().ChannelRecord();
        EXPECT_EQ(record.answerAcquires, record.answerReleases) << "AcquireData without ReleaseData";
        EXPECT_EQ(answersAliveBefore_, record.answersAlive) << "an answer object was kept";
    }

    ComRef<IPrintAsyncNotifyDataObject> Answer(const wchar_t* text, DWORD flags = kFakeAnswerNormal) {
        return Answer(reinterpret_cast<const BYTE*>(text), static_cast<DWORD>((wcslen(text) + 1) * 2), flags);
    }
    ComRef<IPrintAsyncNotifyDataObject> Answer(const BYTE* bytes, DWORD size, DWORD flags) {
        return ComRef<IPrintAsyncNotifyDataObject>(FakeSpooler().CreateAnswer(bytes, size, flags));
    }

    HANDLE event_ = 0;
    ComRef<AsyncNotifyCallback> callback_;
    int channelStandIn_ = 0;  // the callbacks only test the channel pointer
    IPrintAsyncNotifyChannel* channel_ = 0;
    LONG answersAliveBefore_ = 0;
};

TEST_F(Callback, StartsWithOneReferenceAndNoAnswer) {
    EXPECT_EQ(1u, RefCount(callback_.get()));
    EXPECT_EQ(ANSWER_NONE, callback_->GetAnswerCode());
}

TEST_F(Callback, AnswersItsInterfaceAndIUnknownOnly) {
    ExpectQueryInterfaceRules<IPrintAsyncNotifyCallback>(callback_.get(), __uuidof(IPrintAsyncNotifyDataObject));
}

TEST_F(Callback, OnEventNotifyClassifiesReleasesTheDataAndWakesTheSender) {
    ComRef<IPrintAsyncNotifyDataObject> accepted = Answer(L"<CustomData>OK</CustomData>");
    ComRef<IPrintAsyncNotifyDataObject> refused = Answer(L"<CustomData>Cancel</CustomData>");

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, accepted.get()));
    EXPECT_EQ(ANSWER_ACCEPTED, callback_->GetAnswerCode());
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(1u, RefCount(accepted.get())) << "the answer's reference was not given back";

    // A later answer overwrites the code.
    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, refused.get()));
    EXPECT_EQ(ANSWER_OTHER, callback_->GetAnswerCode());
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(1u, RefCount(callback_.get()));
}

TEST_F(Callback, NullAnswerBytesKeepTheEarlierCodeAndStillWake) {
    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(L"CustomUI OK").get()));
    ASSERT_TRUE(IsSignalled(event_));

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(L"CustomUI Cancel", kFakeAnswerNullBytes).get()));
    EXPECT_EQ(ANSWER_ACCEPTED, callback_->GetAnswerCode());
    EXPECT_TRUE(IsSignalled(event_));
}

// An answer that cannot be read is still the answer: no second one comes,
// so the sender is woken with the code as it stands.
TEST_F(Callback, UnreadableAnswersWakeTheSenderWithoutTouchingTheCode) {
    EXPECT_EQ(E_FAIL, callback_->OnEventNotify(channel_, 0));
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(E_FAIL, callback_->OnEventNotify(channel_, Answer(L"CustomUI OK", kFakeAnswerAcquireFails).get()));
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(ANSWER_NONE, callback_->GetAnswerCode());
}

TEST_F(Callback, ChannelClosedWakesTheSenderInEveryCase) {
    EXPECT_EQ(S_OK, callback_->ChannelClosed(channel_, 0));
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(ANSWER_NONE, callback_->GetAnswerCode());

    EXPECT_EQ(E_FAIL, callback_->ChannelClosed(0, Answer(L"CustomUI OK").get()));
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(ANSWER_NONE, callback_->GetAnswerCode());

    EXPECT_EQ(E_FAIL, callback_->ChannelClosed(channel_, Answer(L"CustomUI OK", kFakeAnswerAcquireFails).get()));
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(ANSWER_NONE, callback_->GetAnswerCode());

    ComRef<IPrintAsyncNotifyDataObject> final = Answer(L"<messageBoxUI><buttonID>1</buttonID></messageBoxUI>");
    EXPECT_EQ(S_OK, callback_->ChannelClosed(channel_, final.get()));
    EXPECT_TRUE(IsSignalled(event_));
    EXPECT_EQ(ANSWER_ACCEPTED, callback_->GetAnswerCode());
    EXPECT_EQ(1u, RefCount(final.get()));
}

// The answer ends where an inaccessible page begins: a read past the size
// AcquireData reports would fault.
TEST_F(Callback, ReadsTheAnswerOnlyWithinTheSizeAcquireDataReports) {
    const wchar_t whole[] = L"CustomDataOK";  // sent without its NUL
    const BYTE* bytes = reinterpret_cast<const BYTE*>(whole);

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(bytes, 24, kFakeAnswerAtPageEnd).get()));
    EXPECT_EQ(ANSWER_ACCEPTED, callback_->GetAnswerCode());

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(bytes, 20, kFakeAnswerAtPageEnd).get()));
    EXPECT_EQ(ANSWER_OTHER, callback_->GetAnswerCode()) << "\"OK\" lies beyond the reported size";

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(bytes, 25, kFakeAnswerAtPageEnd).get()));
    EXPECT_EQ(ANSWER_ACCEPTED, callback_->GetAnswerCode()) << "an odd last byte is no unit";

    EXPECT_EQ(S_OK, callback_->ChannelClosed(channel_, Answer(bytes, 23, kFakeAnswerAtPageEnd).get()));
    EXPECT_EQ(ANSWER_OTHER, callback_->GetAnswerCode());

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(bytes, 0, kFakeAnswerAtPageEnd).get()));
    EXPECT_EQ(ANSWER_OTHER, callback_->GetAnswerCode());
}

// The sender closes its event when it returns; a callback that comes later
// must not signal whatever object the same handle value names by then.
TEST_F(Callback, LateCallbacksNeverSignalAHandleTheSenderHasClosed) {
    CloseHandle(event_);
    event_ = 0;
    ReusedHandles reused;

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(L"CustomData OK").get()));
    EXPECT_EQ(S_OK, callback_->ChannelClosed(channel_, 0));

    EXPECT_EQ(nullptr, reused.Disturbed());
    EXPECT_EQ(ANSWER_ACCEPTED, callback_->GetAnswerCode());
}

TEST(CallbackWithoutEvent, StillRecordsTheAnswer) {
    ComRef<AsyncNotifyCallback> callback(AsyncNotifyCallback::Create());
    ASSERT_TRUE(callback);
    EXPECT_FALSE(callback->BSetAnswerEvent(0));
    ComRef<IPrintAsyncNotifyDataObject> answer(
        FakeSpooler().CreateAnswer(reinterpret_cast<const BYTE*>(L"CustomUI OK"), 24, kFakeAnswerNormal));
    EXPECT_EQ(S_OK, callback->OnEventNotify(0, answer.get()));
    EXPECT_EQ(ANSWER_ACCEPTED, callback->GetAnswerCode());
}


class ReleaseThread : public Callback {
protected:
    void SetUp() override {
        Callback::SetUp();
        // An extra reference that the release thread may take, 50 s from now.
        module_ = LoadLibraryW(TestBinPath(L"empty_module.dll").c_str());
        ASSERT_NE(nullptr, module_);
        threadsBefore_ = ThreadsOfThisProcess();
        ASSERT_GT(threadsBefore_, 0);
    }

    HMODULE module_ = 0;
    LONG threadsBefore_ = 0;
};

TEST_F(ReleaseThread, StartsOnceWithTheFirstAcquiredAnswer) {
    callback_->VSetReleaseModule(module_);
    EXPECT_EQ(E_FAIL, callback_->OnEventNotify(channel_, Answer(L"CustomUI OK", kFakeAnswerAcquireFails).get()));
    EXPECT_EQ(threadsBefore_, ThreadsOfThisProcess()) << "started without an acquired answer";

    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(L"CustomUI OK", kFakeAnswerNullBytes).get()));
    EXPECT_EQ(threadsBefore_ + 1, ThreadsOfThisProcess());
    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(L"CustomUI OK").get()));
    EXPECT_EQ(threadsBefore_ + 1, ThreadsOfThisProcess()) << "a second release thread";
    EXPECT_NE(nullptr, GetModuleHandleW(L"empty_module.dll")) << "released at once";
}

TEST_F(ReleaseThread, NeverStartsFromChannelClosedOrWithoutAModule) {
    callback_->VSetReleaseModule(module_);
    EXPECT_EQ(S_OK, callback_->ChannelClosed(channel_, Answer(L"CustomUI OK").get()));
    EXPECT_EQ(threadsBefore_, ThreadsOfThisProcess());

    callback_->VSetReleaseModule(0);
    EXPECT_EQ(S_OK, callback_->OnEventNotify(channel_, Answer(L"CustomUI OK").get()));
    EXPECT_EQ(threadsBefore_, ThreadsOfThisProcess());
    FreeLibrary(module_);
}

}  // namespace
