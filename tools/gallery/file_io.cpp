#include "file_io.h"

#include <windows.h>

bool WriteWholeFile(const std::wstring& path, const void* bytes, size_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
    return CloseHandle(file) && ok;
}

bool WriteWholeFile(const std::wstring& path, const std::string& text) {
    return WriteWholeFile(path, text.data(), text.size());
}

bool ReadWholeFile(const std::wstring& path, std::string* text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    text->clear();
    char buffer[65536];
    DWORD got = 0;
    BOOL ok;
    while ((ok = ReadFile(file, buffer, sizeof(buffer), &got, nullptr)) && got > 0) text->append(buffer, got);
    CloseHandle(file);
    return ok != FALSE;
}

bool MakeDirectories(const std::wstring& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    std::wstring parent = DirectoryOf(path);
    if (!parent.empty() && parent != path && parent.back() != L':') MakeDirectories(parent);
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring JoinPath(const std::wstring& path, const std::wstring& name) {
    if (path.empty()) return name;
    wchar_t last = path.back();
    return (last == L'\\' || last == L'/') ? path + name : path + L"\\" + name;
}

std::wstring DirectoryOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring ProgramDirectoryFile(const wchar_t* name) {
    wchar_t program[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return name;
    return JoinPath(DirectoryOf(program), name);
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return (length == 0 || length >= MAX_PATH) ? path : std::wstring(full, length);
}
