#include "duplex/duplex_harness.h"

#include <string.h>

#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/interface_language.h"
#include "support/test_paths.h"

namespace {

template <typename Fn>
Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(DuplexModule(), name)));
}

void CopyPath(WCHAR (&field)[256], const std::wstring& path) { wcsncpy(field, path.c_str(), 255); }

// Whether the window is one of the instructions: template 101 or 104 gives
// it the three picture frames and the Help button.
bool IsDuplexDialog(HWND dialog) {
    for (int frame : kStepFrames) {
        if (GetDlgItem(dialog, frame) == nullptr) return false;
    }
    return GetDlgItem(dialog, kHelpButton) != nullptr;
}

}  // namespace

DuplexPayload MakeDuplex(DWORD bModal, DWORD bPanelPrompt, DWORD step3Text) {
    DuplexPayload record;
    memset(&record, 0, sizeof(record));
    CopyPath(record.szStringModule, TestBinPath(L"strings_duplex.dll"));
    CopyPath(record.szHelpFile, kHelpFile);
    CopyPath(record.szImageModule, DuplexModulePath());
    record.dwStep1Bitmap = kStepPictures[0];
    record.dwStep1Text = DX_ID_STEP1;
    record.dwStep2Bitmap = kStepPictures[1];
    record.dwStep2Text = DX_ID_STEP2;
    record.dwStep3Bitmap = kStepPictures[2];
    record.dwStep3Text = step3Text;
    record.bModal = bModal;
    record.bPanelPrompt = bPanelPrompt;
    return record;
}

std::wstring DuplexModulePath() { return TestBinPath(L"evdlgx42.dll"); }

HMODULE DuplexModule() {
    static HMODULE module = LoadLibraryW(DuplexModulePath().c_str());
    return module;
}

DuplexEntryFn ModalEntry() { return Entry<DuplexEntryFn>("EvtDlgAsyncUIEntryPointManualDuplexModal"); }
DuplexEntryFn ModelessEntry() { return Entry<DuplexEntryFn>("EvtDlgAsyncUIEntryPointManualDuplexModeless"); }
DisplayDialogFn DisplayDialog() { return Entry<DisplayDialogFn>("VDisplayDialog"); }

DWORD ReportedMajorVersion() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    return version.dwMajorVersion;
}

WORD ExpectedDuplexTemplate() { return InterfaceReadsRightToLeft() ? 104 : 101; }

HWND WaitForDuplexDialog(DWORD threadId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND dialog : FindDialogs(DialogQuery{GetCurrentProcessId(), threadId})) {
            if (IsDuplexDialog(dialog)) found = dialog;
        }
        return found != nullptr;
    }, timeoutMs);
    return found;
}

ShownDuplex::ShownDuplex(const DuplexPayload& record, BOOL bAsyncUI, HMODULE hReleaseModule)
    : call_([record, bAsyncUI, hReleaseModule] { DisplayDialog()(record, bAsyncUI, hReleaseModule); }),
      dialog_(WaitForDuplexDialog()) {}

ShownDuplex::~ShownDuplex() {
    if (dialog_ != nullptr && IsWindow(dialog_)) {
        PostClose(dialog_);
        WaitForWindowGone(dialog_);
    }
    call_.Finished();
}
