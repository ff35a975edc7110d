#include "warning/warning_harness.h"

#include <string.h>

#include <memory>

#include <gtest/gtest.h>

#include "support/import_patch.h"
#include "support/test_paths.h"

namespace {

HMODULE LoadModule() { return LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str()); }

template <typename Fn>
Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(WarningModule(), name)));
}

typedef INT_PTR(WINAPI* DialogBoxParamFn)(HINSTANCE, LPCWSTR, HWND, DLGPROC, LPARAM);

DialogRequest g_request;
ImportPatch* g_patch = nullptr;

INT_PTR WINAPI RecordDialogBoxParam(HINSTANCE instance, LPCWSTR name, HWND owner, DLGPROC proc, LPARAM param) {
    InterlockedIncrement(&g_request.calls);
    g_request.templateId = IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0;
    g_request.owner = owner;
    return reinterpret_cast<DialogBoxParamFn>(g_patch->original())(instance, name, owner, proc, param);
}

}  // namespace

WarningPayload MakeWarning(const std::wstring& message, const WarningButtons& buttons) {
    WarningPayload record;
    memset(&record, 0, sizeof(record));
    record.dwTitleText = 3201;
    record.dwShowDialog = 1;
    wcsncpy(record.szMessage, message.c_str(), 1023);
    record.dwOkText = buttons.ok;
    record.dwCancelText = buttons.cancel;
    record.dwThirdButtonText = buttons.third;
    record.bShowCheckBox = buttons.checkBox;
    wcsncpy(record.szStringModule, TestBinPath(L"strings_warning.dll").c_str(), 255);
    return record;
}

WarningPayload MakeWarning(const std::wstring& message) {
    return MakeWarning(message, WarningButtons{3210, 3211, 3212, 1});
}

HMODULE WarningModule() {
    static HMODULE module = LoadModule();
    return module;
}

WarningEntryFn JobUIEntry() { return Entry<WarningEntryFn>("EvtDlgAsyncUIEntryPointJobUI"); }
ShowWarningFn ShowWarning() { return Entry<ShowWarningFn>("IShowWarningDialog"); }

WORD ExpectedWarningTemplate() {
    WORD primary = PRIMARYLANGID(GetUserDefaultUILanguage());
    bool rightToLeft = primary == LANG_ARABIC || primary == LANG_HEBREW;
    // A run meant for a right-to-left locale must not pass quietly on another.
    if (GetEnvironmentVariableW(L"EVDLG_EXPECT_RIGHT_TO_LEFT", nullptr, 0) != 0) {
        EXPECT_TRUE(rightToLeft) << "interface language " << std::hex << GetUserDefaultUILanguage();
    }
    return rightToLeft ? 263 : 261;
}

DialogSpy::DialogSpy() {
    memset(&g_request, 0, sizeof(g_request));
    g_patch = new ImportPatch(WarningModule(), "user32.dll", "DialogBoxParamW",
                              reinterpret_cast<void*>(&RecordDialogBoxParam));
}

DialogSpy::~DialogSpy() {
    delete g_patch;
    g_patch = nullptr;
}

bool DialogSpy::valid() const { return g_patch != nullptr && g_patch->valid(); }
DialogRequest DialogSpy::last() const { return g_request; }
