#pragma once

// Showing job storage notices through the built DLL's own entries, as a
// driver module or the asynchronous UI host would, and the records they get.

#include <windows.h>

#include <string>

#include "evdlgx42.h"

typedef wchar_t*(WINAPI* JobStorageEntryFn)(const JobStoragePayload* record);
typedef void(WINAPI* JobStorageSenderFn)(JobStoragePayload record);

struct JobStorageEntries {
    JobStorageEntryFn receive;  // EvtDlgAsyncUIEntryPointJobStorage
    JobStorageSenderFn send;    // VJobStorageDialog
};

// evdlgx42.dll of the build, loaded once for the program.
const JobStorageEntries& JobStorage();

// A record naming a test string module beside the tests (strings_full.dll
// unless told otherwise) and a settings sub key of this process.
JobStoragePayload MakeRecord(const wchar_t* settingsKey, const wchar_t* stringModule = L"strings_full.dll");

// Copies text into a record field, cut to the field, terminated when it fits.
template <size_t N>
void SetField(WCHAR (&field)[N], const std::wstring& text) {
    ZeroMemory(field, sizeof(field));
    for (size_t i = 0; i < N && i < text.size(); ++i) field[i] = text[i];
}

// The registry key that a record's settings sub key names, below HKCU.
std::wstring SettingsKeyPath(const wchar_t* settingsKey);

// Calls the receiving entry and returns its answer text (the response is
// freed); "(null)" when the entry answered null.
std::wstring ReceiveAnswer(const JobStoragePayload* record);

// Shows a notice through the receiving entry and waits until it is on screen;
// null when none appeared in time.
HWND ShowNotice(const JobStoragePayload& record);

// Closes every notice still open in this process (close box) and waits for
// them to go; false if one stayed.
bool CloseAllNotices();
