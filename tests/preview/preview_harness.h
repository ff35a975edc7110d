#pragma once

// What the preview tests share: requests laid out as the asynchronous UI host
// delivers them, the entries of the built DLL, the preview module double's
// record, and scratch directories.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "preview/preview_payload.h"
#include "preview_module/preview_module_record.h"

typedef wchar_t*(WINAPI* PreviewEntryFn)(const PreviewPayload* record);

struct PreviewEntryPoints {
    PreviewEntryFn preview;
    PreviewEntryFn previewIcd;
};

// The two receiving entries of evdlgx42.dll at dllPath, loaded once.
const PreviewEntryPoints& LoadPreviewEntries(const std::wstring& dllPath);

// A test of the two entries of the DLL at dllPath (relative to the program's
// directory), with a reset spooler and module record. Every test ends with no
// printer handle open and the preview module unloaded.
class PreviewEntryTest : public ::testing::Test {
protected:
    explicit PreviewEntryTest(const wchar_t* dllPath) : dllPath_(dllPath), record_(0) {}
    void SetUp() override;
    void TearDown() override;
    PreviewEntryFn Entry(bool icd) const { return icd ? entries_.previewIcd : entries_.preview; }

    const wchar_t* dllPath_;
    PreviewEntryPoints entries_;
    PreviewModuleRecord* record_;
};

// The record the preview module double fills, cleared, with the answer its
// functions are to give.
PreviewModuleRecord& FreshModuleRecord(BOOL answer);

// The text of a response ("<null>" for none), which is released.
std::wstring TakeAnswer(wchar_t* response);

// The value the request's pFirstEntry carries from the sender.
const DWORD kSenderFirstEntry = 0xCAFEF00D;

// A request (payload and list records) that ends right where an inaccessible
// page begins, so that reading one byte past it faults. Every byte other than
// the printer name, the entry count, pFirstEntry and the pNext fields holds a
// pattern that the tests compare.
class GuardedRequest {
public:
    GuardedRequest(const wchar_t* printerName, const std::vector<DWORD>& nextValues);
    GuardedRequest(const wchar_t* printerName, DWORD entryCount);  // no list records delivered
    ~GuardedRequest();

    const PreviewPayload* record() const { return reinterpret_cast<const PreviewPayload*>(data_); }
    const BYTE* bytes() const { return data_; }
    const BYTE* entry(DWORD index) const { return data_ + sizeof(PreviewPayload) + index * kPreviewEntryBytes; }
    DWORD size() const { return size_; }
    std::vector<BYTE> snapshot() const { return std::vector<BYTE>(data_, data_ + size_); }

private:
    GuardedRequest(const GuardedRequest&);
    GuardedRequest& operator=(const GuardedRequest&);
    void Build(const wchar_t* printerName, DWORD entryCount, const std::vector<DWORD>& nextValues);

    BYTE* base_;
    BYTE* data_;
    DWORD size_;
};

// A new directory under the temporary directory, removed with what it holds.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    const std::wstring& path() const { return path_; }  // with a trailing backslash
    // Copies sourceFile into the directory as fileName.
    bool Plant(const std::wstring& sourceFile, const wchar_t* fileName);

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

// Makes directory the current one for the lifetime of the object.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::wstring& directory);
    ~CurrentDirectoryScope();

private:
    wchar_t previous_[MAX_PATH];
};

bool PreviewModuleLoaded();
