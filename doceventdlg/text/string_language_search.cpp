#include "text/ui_language.h"

namespace {

// The enumeration callbacks return FALSE to end an enumeration early, so the
// search reads only the first string type and the first block of it.

BOOL IsStringType(LPCWSTR type) {
    if (IS_INTRESOURCE(type)) return type == RT_STRING;
    return lstrcmpiW(type, L"RT_STRING") == 0;
}

BOOL CALLBACK TakeMatchingLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR wanted) {
    if (PRIMARYLANGID(language) == PRIMARYLANGID(static_cast<LANGID>(wanted))) {
        g_wUILanguage = language;
        return FALSE;
    }
    g_wUILanguage = UI_LANGUAGE_ENGLISH_US;
    return TRUE;
}

BOOL CALLBACK SearchFirstBlock(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR wanted) {
    EnumResourceLanguagesW(module, type, name, TakeMatchingLanguage, wanted);
    return FALSE;
}

BOOL CALLBACK SearchFirstStringType(HMODULE module, LPWSTR type, LONG_PTR wanted) {
    if (!IsStringType(type)) return TRUE;
    EnumResourceNamesW(module, type, SearchFirstBlock, wanted);
    return FALSE;
}

}  // namespace

void VFindStringLanguage(HMODULE module, LANGID language) {
    EnumResourceTypesW(module, SearchFirstStringType, static_cast<LONG_PTR>(language));
}
