#pragma once

#include <windows.h>

#include "driverdata/driver_data.h"
#include "text/string_lookup.h"

// Capacity, terminator included, of every buffer a text is looked up into:
// a shown text has at most 255 characters.
const UINT TEXT_BUFFER_CCH = 256;

// The text source of one dialog: its string-resource module, looked up in the
// user's interface language with an English fallback for every text, and
// whether that language is written right to left. Used only by the thread
// that runs the dialog.
class TextContext : public DriverData {
public:
    // Resets the cached interface language to the user's and fixes
    // fRightToLeft (Arabic or Hebrew user interface).
    TextContext();
    // Releases the string-resource module; DriverData releases the rest.
    ~TextContext();

    // Maps the module at path as a resource container unless one is loaded
    // already: a later call never replaces it.
    void VLoadStringModule(const wchar_t* path);
    // Likewise for the picture module; fOwnsImageModule tells whether the
    // handle is ours to free.
    void VLoadImageModule(const wchar_t* path);

    // 1 when text `id` was found and copied into buffer (TEXT_BUFFER_CCH
    // units); 0 leaves the buffer untouched.
    BOOL BLoadText(UINT id, WCHAR* buffer) const;

    // Sets the window's text to text `id`, or to fallback (cut to 255
    // characters) when the lookup finds nothing.
    void VSetTextFromId(UINT id, HWND window, const wchar_t* fallback) const;

    BOOL fRightToLeft;

private:
    // Where this context's last fallback search on hStringModule led, so
    // that the lookups of one dialog search the module at most once for a
    // language they miss.
    mutable LanguageSearchResult lastSearch;

    TextContext(const TextContext&);
    TextContext& operator=(const TextContext&);
};
