#pragma once

// Texts the gallery itself takes from the string-resource module (its sample
// warning messages), in the user's interface language as the driver would.

#include <windows.h>

#include <string>

class StringModuleText {
public:
    explicit StringModuleText(const std::wstring& path);
    ~StringModuleText();
    StringModuleText(const StringModuleText&) = delete;
    StringModuleText& operator=(const StringModuleText&) = delete;

    // Text `id` in `language`, else in its primary language's default
    // sublanguage, else in US English; `fallback` when none has it.
    std::wstring Text(UINT id, LANGID language, const wchar_t* fallback) const;

private:
    bool Find(UINT id, LANGID language, std::wstring* text) const;
    HMODULE module_;
};
