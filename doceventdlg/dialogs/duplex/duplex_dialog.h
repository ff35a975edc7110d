#pragma once

#include <windows.h>

#include "dialogs/duplex/duplex_payload.h"
#include "text/text_context.h"

// One shown set of manual duplex instructions: the record copy it shows (owned
// by the thread routine, not by this object) and its text context, which
// loads the string-resource and image modules and releases them with it.
class DuplexDialog {
public:
    explicit DuplexDialog(DuplexPayload* shown) : record(shown) {}

    // Sets the caption and every control text, each looked up with its
    // English fallback; the modeless variant joins texts 3140 and 3066 for
    // step 3 when the record asks for 3140.
    void VSetDuplexTexts(HWND dialog, const DuplexPayload* shown) const;

    // Draws picture bitmapId (low 16 bits) of module into frame frameId, cut
    // to the frame; a picture that cannot be loaded leaves the frame empty.
    void VPaintStepPicture(HWND dialog, DWORD bitmapId, int frameId, HMODULE module) const;

    DuplexPayload* record;
    TextContext context;

private:
    DuplexDialog(const DuplexDialog&);
    DuplexDialog& operator=(const DuplexDialog&);
};

// Ends with 1 through the default button or the close box; Esc does nothing.
INT_PTR CALLBACK DuplexDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
