#pragma once

#include <windows.h>

// The language in which string tables are searched, shared by every dialog
// thread without a lock: it is only ever read and written as one 16-bit
// value. Reset to the user's interface language whenever a text context is
// constructed, moved by the fallback search when a lookup meets a block that
// lacks it.
extern LANGID volatile g_wUILanguage;

// Set by the first WGetUILanguage call and never cleared.
extern BOOL volatile g_fUILanguageKnown;

const LANGID UI_LANGUAGE_ENGLISH_US = 1033;

// The cached language; the first call in the process fetches the user's
// default interface language.
LANGID WGetUILanguage();

// The fallback search after a block was missed in `language`: the first
// language of the module's first string block with the same primary language,
// or 1033 when that block has none. FALSE, with *settled untouched, when the
// module has no string block to search.
BOOL BSearchStringLanguage(HMODULE module, LANGID language, LANGID* settled);
