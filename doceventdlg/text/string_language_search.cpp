#include "text/ui_language.h"

namespace {

// The enumeration callbacks return FALSE to end an enumeration early, so the
// search reads only the first string type and the first block of it.

struct LanguageSearch {
    LANGID wWanted;
    LANGID wSettled;
    BOOL fSettled;  // some language of the first block was seen
};

BOOL IsStringType(LPCWSTR type) {
    if (IS_INTRESOURCE(type)) return type == RT_STRING;
    return lstrcmpiW(type, L"RT_STRING") == 0;
}

BOOL CALLBACK TakeMatchingLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR state) {
    LanguageSearch* search = reinterpret_cast<LanguageSearch*>(state);
    search->fSettled = TRUE;
    if (PRIMARYLANGID(language) == PRIMARYLANGID(search->wWanted)) {
        search->wSettled = language;
        return FALSE;
    }
    search->wSettled = UI_LANGUAGE_ENGLISH_US;
    return TRUE;
}

BOOL CALLBACK SearchFirstBlock(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR state) {
    EnumResourceLanguagesW(module, type, name, TakeMatchingLanguage, state);
    return FALSE;
}

BOOL CALLBACK SearchFirstStringType(HMODULE module, LPWSTR type, LONG_PTR state) {
    if (!IsStringType(type)) return TRUE;
    EnumResourceNamesW(module, type, SearchFirstBlock, state);
    return FALSE;
}

}  // namespace

BOOL BSearchStringLanguage(HMODULE module, LANGID language, LANGID* settled) {
    LanguageSearch search = {language, language, FALSE};
    EnumResourceTypesW(module, SearchFirstStringType, reinterpret_cast<LONG_PTR>(&search));
    if (search.fSettled) *settled = search.wSettled;
    return search.fSettled;
}
