#pragma once

#include <windows.h>

// The outcome of the last fallback search one text context ran: on module
// hModule, from language wWanted it settled on wFound. A search depends only
// on the module and the language it starts from, so a later miss of wWanted
// in the same module ends in wFound again without reading the module. When
// both have the same primary language, a miss of wFound itself would settle
// on wFound again too (it is the first language of that primary language in
// the module's first block).
struct LanguageSearchResult {
    BOOL fDone;
    HMODULE hModule;
    LANGID wWanted;
    LANGID wFound;
};

// Looks string `id` up in the module's string tables (a null module means the
// process's executable) in the cached interface language, running the
// language fallback search once when the block exists but not in that
// language. With a search result of the same module, a search it already
// answers is not run again. Copies at most capacity - 1 units into buffer and
// terminates it; returns the string's length in the table, or 0 with the
// buffer untouched when there is no such string.
int ILoadStringFromModule(HMODULE module, UINT id, WCHAR* buffer, UINT capacity, LanguageSearchResult* lastSearch = 0);
