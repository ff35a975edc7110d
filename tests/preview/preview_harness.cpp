#include "preview_harness.h"

#include "support/fake_spooler.h"
#include "support/test_paths.h"

#include <stdlib.h>
#include <string.h>

namespace {

PreviewModuleRecord g_moduleRecord;

const DWORD kEntryNextOffset = 40;

BYTE PayloadPattern(DWORD offset) { return static_cast<BYTE>(offset * 31 + 7); }
BYTE EntryPattern(DWORD index, DWORD offset) { return static_cast<BYTE>(index * 53 + offset * 11 + 1); }

}  // namespace

// The preview module double finds its record through this export of the
// program that loaded it.
extern "C" __declspec(dllexport) PreviewModuleRecord* __cdecl PreviewModuleRecorder() { return &g_moduleRecord; }

const PreviewEntryPoints& LoadPreviewEntries(const std::wstring& dllPath) {
    static PreviewEntryPoints entries = {0, 0};
    if (entries.preview == 0) {
        HMODULE module = LoadLibraryW(dllPath.c_str());
        entries.preview = reinterpret_cast<PreviewEntryFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "EvtDlgAsyncUIEntryPointPrintPreview")));
        entries.previewIcd = reinterpret_cast<PreviewEntryFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "EvtDlgAsyncUIEntryPointPrintPreviewICD")));
    }
    return entries;
}

void PreviewEntryTest::SetUp() {
    FakeSpooler().Reset();
    entries_ = LoadPreviewEntries(TestBinPath(dllPath_));
    ASSERT_NE(nullptr, entries_.preview);
    ASSERT_NE(nullptr, entries_.previewIcd);
    record_ = &FreshModuleRecord(TRUE);
}

void PreviewEntryTest::TearDown() {
    EXPECT_EQ(0, FakeSpooler().OpenHandleCount()) << "a printer handle was left open";
    EXPECT_FALSE(PreviewModuleLoaded()) << "the preview module stayed loaded";
    EXPECT_EQ(record_->attaches, record_->detaches) << "the preview module was not unloaded";
}

PreviewModuleRecord& FreshModuleRecord(BOOL answer) {
    memset(&g_moduleRecord, 0, sizeof(g_moduleRecord));
    g_moduleRecord.answer = answer;
    return g_moduleRecord;
}

std::wstring TakeAnswer(wchar_t* response) {
    if (response == 0) return L"<null>";
    std::wstring text(response);
    free(response);
    return text;
}

GuardedRequest::GuardedRequest(const wchar_t* printerName, const std::vector<DWORD>& nextValues)
    : base_(0), data_(0), size_(0) {
    Build(printerName, static_cast<DWORD>(nextValues.size()), nextValues);
}

GuardedRequest::GuardedRequest(const wchar_t* printerName, DWORD entryCount) : base_(0), data_(0), size_(0) {
    Build(printerName, entryCount, std::vector<DWORD>());
}

GuardedRequest::~GuardedRequest() {
    if (base_ != 0) VirtualFree(base_, 0, MEM_RELEASE);
}

void GuardedRequest::Build(const wchar_t* printerName, DWORD entryCount, const std::vector<DWORD>& nextValues) {
    const DWORD page = 4096;
    size_ = static_cast<DWORD>(sizeof(PreviewPayload) + nextValues.size() * kPreviewEntryBytes);
    DWORD readable = (size_ + page - 1) / page * page;
    base_ = static_cast<BYTE*>(VirtualAlloc(0, readable + page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (base_ == 0) abort();
    DWORD ignored = 0;
    VirtualProtect(base_ + readable, page, PAGE_NOACCESS, &ignored);
    data_ = base_ + readable - size_;

    for (DWORD i = 0; i < sizeof(PreviewPayload); ++i) data_[i] = PayloadPattern(i);
    PreviewPayload* payload = reinterpret_cast<PreviewPayload*>(data_);
    memset(payload->szPrinterName, 0, sizeof(payload->szPrinterName));
    wcsncpy(payload->szPrinterName, printerName, 613);
    payload->dwEntryCount = entryCount;
    payload->pFirstEntry = reinterpret_cast<PreviewEntry*>(kSenderFirstEntry);

    for (DWORD index = 0; index < nextValues.size(); ++index) {
        BYTE* record = data_ + sizeof(PreviewPayload) + index * kPreviewEntryBytes;
        for (DWORD i = 0; i < kPreviewEntryBytes; ++i) record[i] = EntryPattern(index, i);
        memcpy(record + kEntryNextOffset, &nextValues[index], sizeof(DWORD));
    }
}

ScratchDirectory::ScratchDirectory() {
    wchar_t temp[MAX_PATH] = {0};
    GetTempPathW(MAX_PATH, temp);
    for (DWORD attempt = 0;; ++attempt) {
        wchar_t name[64];
        swprintf(name, 64, L"evdlg_preview_%lu_%lu\\", GetCurrentProcessId(), attempt);
        path_ = std::wstring(temp) + name;
        if (CreateDirectoryW(path_.c_str(), 0)) return;
        if (attempt == 1000) abort();
    }
}

ScratchDirectory::~ScratchDirectory() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(path_.c_str());
}

bool ScratchDirectory::Plant(const std::wstring& sourceFile, const wchar_t* fileName) {
    std::wstring target = path_ + fileName;
    if (!CopyFileW(sourceFile.c_str(), target.c_str(), FALSE)) return false;
    files_.push_back(target);
    return true;
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::wstring& directory) {
    GetCurrentDirectoryW(MAX_PATH, previous_);
    SetCurrentDirectoryW(directory.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope() { SetCurrentDirectoryW(previous_); }

bool PreviewModuleLoaded() { return GetModuleHandleW(L"PVIEW5KQ.DLL") != 0; }
