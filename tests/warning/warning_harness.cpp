#include "warning/warning_harness.h"

#include <string.h>

#include <memory>

#include <gtest/gtest.h>

#include "support/interface_language.h"
#include "support/test_paths.h"

namespace {

HMODULE LoadModule() { return LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str()); }

template <typename Fn>
Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(WarningModule(), name)));
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

WORD ExpectedWarningTemplate() { return InterfaceReadsRightToLeft() ? 263 : 261; }
