#include "text/text_context.h"

#include "text/string_lookup.h"
#include "text/text_ops.h"
#include "text/ui_language.h"

namespace {

const DWORD kResourceContainer = DONT_RESOLVE_DLL_REFERENCES;

BOOL IsRightToLeftLanguage(LANGID language) {
    const WORD primary = PRIMARYLANGID(language);
    return primary == LANG_ARABIC || primary == LANG_HEBREW;
}

}  // namespace

TextContext::TextContext() : fRightToLeft(FALSE) {
    lastSearch.fDone = FALSE;
    lastSearch.hModule = 0;
    lastSearch.wWanted = 0;
    lastSearch.wFound = 0;
    g_wUILanguage = GetUserDefaultUILanguage();
    fRightToLeft = IsRightToLeftLanguage(GetUserDefaultUILanguage());
}

TextContext::~TextContext() {
    if (hStringModule != 0) FreeLibrary(hStringModule);
    hStringModule = 0;
}

void TextContext::VLoadStringModule(const wchar_t* path) {
    if (hStringModule != 0) return;
    hStringModule = LoadLibraryExW(path, 0, kResourceContainer);
}

void TextContext::VLoadImageModule(const wchar_t* path) {
    if (hImageModule != 0) return;
    hImageModule = LoadLibraryExW(path, 0, kResourceContainer);
    fOwnsImageModule = hImageModule != 0;
}

BOOL TextContext::BLoadText(UINT id, WCHAR* buffer) const {
    return ILoadStringFromModule(hStringModule, id, buffer, TEXT_BUFFER_CCH, &lastSearch) != 0;
}

void TextContext::VSetTextFromId(UINT id, HWND window, const wchar_t* fallback) const {
    WCHAR text[TEXT_BUFFER_CCH] = {0};
    if (!BLoadText(id, text)) TextCopyN(text, TEXT_BUFFER_CCH, fallback, TEXT_BUFFER_CCH);
    SetWindowTextW(window, text);
}
