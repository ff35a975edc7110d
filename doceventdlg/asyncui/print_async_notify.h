#pragma once

// The spooler's asynchronous notification interfaces, declared here because
// the toolchain's prnasnot.h carries none of them. Slot orders and interface
// ids are the platform's; nothing of this module may change them.

#include <windows.h>
#include <unknwn.h>

typedef GUID PrintAsyncNotificationType;

typedef enum {
    kPerUser = 0,
    kAllUsers = 1,
} PrintAsyncNotifyUserFilter;

typedef enum {
    kBiDirectional = 0,
    kUniDirectional = 1,
} PrintAsyncNotifyConversationStyle;

struct IPrintAsyncNotifyChannel;
struct IPrintAsyncNotifyDataObject;

MIDL_INTERFACE("77CF513E-5D49-4789-9F30-D0822B335C0D")
IPrintAsyncNotifyDataObject : public IUnknown {
public:
    // Hands out the object's own bytes, their size and its notification type;
    // they stay valid until the matching ReleaseData.
    virtual HRESULT STDMETHODCALLTYPE AcquireData(BYTE** ppNotificationData, ULONG* pSize,
                                                  PrintAsyncNotificationType** ppSchema) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReleaseData() = 0;
};

MIDL_INTERFACE("4A5031B1-1F3F-4DB0-A462-4530ED8B0451")
IPrintAsyncNotifyChannel : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE SendNotification(IPrintAsyncNotifyDataObject* pData) = 0;
    virtual HRESULT STDMETHODCALLTYPE CloseChannel(IPrintAsyncNotifyDataObject* pData) = 0;
};

MIDL_INTERFACE("7DEF34C1-9D92-4C99-B3B3-DB94A9D4191B")
IPrintAsyncNotifyCallback : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE OnEventNotify(IPrintAsyncNotifyChannel* pChannel,
                                                    IPrintAsyncNotifyDataObject* pData) = 0;
    virtual HRESULT STDMETHODCALLTYPE ChannelClosed(IPrintAsyncNotifyChannel* pChannel,
                                                    IPrintAsyncNotifyDataObject* pData) = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(IPrintAsyncNotifyDataObject, 0x77cf513e, 0x5d49, 0x4789, 0x9f, 0x30, 0xd0, 0x82, 0x2b, 0x33, 0x5c,
                0x0d)
__CRT_UUID_DECL(IPrintAsyncNotifyChannel, 0x4a5031b1, 0x1f3f, 0x4db0, 0xa4, 0x62, 0x45, 0x30, 0xed, 0x8b, 0x04,
                0x51)
__CRT_UUID_DECL(IPrintAsyncNotifyCallback, 0x7def34c1, 0x9d92, 0x4c99, 0xb3, 0xb3, 0xdb, 0x94, 0xa9, 0xd4, 0x19,
                0x1b)
#endif

// winspool.drv's channel factory, looked up at run time: the spooler of
// platforms before version 6 has none.
typedef HRESULT(WINAPI* CreatePrintAsyncNotifyChannelFn)(LPCWSTR pszName, PrintAsyncNotificationType* pNotificationType,
                                                         PrintAsyncNotifyUserFilter eUserFilter,
                                                         PrintAsyncNotifyConversationStyle eConversationStyle,
                                                         IPrintAsyncNotifyCallback* pCallback,
                                                         IPrintAsyncNotifyChannel** ppIAsynchNotification);

// The notification type of this module's requests and answers: the type of
// every channel it opens and the schema of every document it sends.
const PrintAsyncNotificationType ASYNC_UI_NOTIFICATION_TYPE = {
    0xF6853F92, 0xEB31, 0x4E23, {0xB6, 0xE7, 0xFD, 0x69, 0x05, 0x61, 0x53, 0xF0}};
