#pragma once

#include <string>
#include <vector>

bool WriteWholeFile(const std::wstring& path, const void* bytes, size_t size);
bool WriteWholeFile(const std::wstring& path, const std::string& text);
bool ReadWholeFile(const std::wstring& path, std::string* text);

// Creates the directory and any missing parents; true when it exists afterwards.
bool MakeDirectories(const std::wstring& path);

// path joined with name by one backslash.
std::wstring JoinPath(const std::wstring& path, const std::wstring& name);

// The directory part of a path (without the last separator), or "" when none.
std::wstring DirectoryOf(const std::wstring& path);

// The path of a file in the directory of the running program.
std::wstring ProgramDirectoryFile(const wchar_t* name);

// A full path for what the user typed (relative to the current directory).
std::wstring FullPath(const std::wstring& path);
