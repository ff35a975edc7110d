#pragma once

// A dialog template as a module's resources hold it, classic (DLGTEMPLATE) or
// extended (DLGTEMPLATEEX), read into plain fields so that a test can compare
// it with the layout it expects.

#include <windows.h>

#include <string>
#include <vector>

struct TemplateControl {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;                 // -1 for a static id of 0xFFFF(FFFF)
    WORD classAtom = 0;         // 0x80 button, 0x81 edit, 0x82 static...; 0 when named
    std::wstring className;     // when given by name
    std::wstring text;
    WORD textResource = 0;      // when the text is a resource ordinal
    WORD extraBytes = 0;
};

struct DialogTemplate {
    bool found = false;
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    bool menuIsOrdinal = false;
    std::wstring menu;
    bool classIsOrdinal = false;
    std::wstring windowClass;
    std::wstring caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring face;
    std::vector<TemplateControl> controls;
};

// Template `id` of module in exactly `language`.
DialogTemplate ReadDialogTemplate(HMODULE module, WORD id, LANGID language);

// Whether the control's class is className ("BUTTON", "EDIT", "STATIC",
// "LISTBOX", "SCROLLBAR", "COMBOBOX" or any other name), given either by its
// predefined atom or by name, without regard to case.
bool IsControlClass(const TemplateControl& control, const wchar_t* className);

// Checks the header that the module's notice templates share: at (0, 0), no
// menu, no window class, no caption, "MS Shell Dlg" at 8 points, extended
// style 0, and in an extended template help id 0, weight 0, not italic,
// character set 1. Style and size differ per template and are the caller's.
void ExpectPlainShellDlgHeader(const DialogTemplate& dialog);
