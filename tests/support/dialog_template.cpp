#include "support/dialog_template.h"

#include <gtest/gtest.h>

namespace {

// Sequential reader over the template's bytes that never passes their end:
// reads beyond it give zeros and mark the reader as overrun.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : data_(data), size_(size) {}

    bool overrun() const { return overrun_; }

    WORD Word() {
        WORD value = 0;
        Take(&value, sizeof(value));
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Take(&value, sizeof(value));
        return value;
    }
    BYTE Byte() {
        BYTE value = 0;
        Take(&value, sizeof(value));
        return value;
    }
    short Short() { return static_cast<short>(Word()); }

    std::wstring Text() {
        std::wstring text;
        for (WORD unit = Word(); unit != 0 && !overrun_; unit = Word()) text.push_back(unit);
        return text;
    }

    // A name that is either 0 (none), 0xFFFF followed by an ordinal, or text.
    void NameOrOrdinal(bool* isOrdinal, WORD* ordinal, std::wstring* text) {
        WORD first = Word();
        *isOrdinal = first == 0xFFFF;
        if (first == 0xFFFF) {
            *ordinal = Word();
        } else if (first != 0) {
            *text = std::wstring(1, first) + Text();
        }
    }

    void AlignToDword() { position_ = (position_ + 3) & ~DWORD(3); }
    void Skip(DWORD bytes) { position_ += bytes; }

private:
    void Take(void* out, DWORD bytes) {
        if (position_ + bytes > size_) {
            overrun_ = true;
            position_ = size_;
            return;
        }
        CopyMemory(out, data_ + position_, bytes);
        position_ += bytes;
    }

    const BYTE* data_;
    DWORD size_;
    DWORD position_ = 0;
    bool overrun_ = false;
};

void ReadHeader(TemplateReader& in, DialogTemplate* dialog, WORD* count) {
    if (dialog->extended) {
        dialog->helpId = in.Dword();
        dialog->exStyle = in.Dword();
        dialog->style = in.Dword();
    } else {
        dialog->style = in.Dword();
        dialog->exStyle = in.Dword();
    }
    *count = in.Word();
    dialog->x = in.Short();
    dialog->y = in.Short();
    dialog->cx = in.Short();
    dialog->cy = in.Short();
    WORD ordinal = 0;
    in.NameOrOrdinal(&dialog->menuIsOrdinal, &ordinal, &dialog->menu);
    if (dialog->menuIsOrdinal) dialog->menu = std::to_wstring(ordinal);
    in.NameOrOrdinal(&dialog->classIsOrdinal, &ordinal, &dialog->windowClass);
    if (dialog->classIsOrdinal) dialog->windowClass = std::to_wstring(ordinal);
    dialog->caption = in.Text();
    if (dialog->style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog->pointSize = in.Word();
        if (dialog->extended) {
            dialog->weight = in.Word();
            dialog->italic = in.Byte();
            dialog->charset = in.Byte();
        }
        dialog->face = in.Text();
    }
}

TemplateControl ReadControl(TemplateReader& in, bool extended) {
    TemplateControl control;
    in.AlignToDword();
    if (extended) {
        control.helpId = in.Dword();
        control.exStyle = in.Dword();
        control.style = in.Dword();
    } else {
        control.style = in.Dword();
        control.exStyle = in.Dword();
    }
    control.x = in.Short();
    control.y = in.Short();
    control.cx = in.Short();
    control.cy = in.Short();
    if (extended) {
        control.id = static_cast<int>(in.Dword());
    } else {
        control.id = static_cast<short>(in.Word());
    }
    bool isOrdinal = false;
    in.NameOrOrdinal(&isOrdinal, &control.classAtom, &control.className);
    in.NameOrOrdinal(&isOrdinal, &control.textResource, &control.text);
    control.extraBytes = in.Word();
    in.Skip(control.extraBytes);
    return control;
}

}  // namespace

DialogTemplate ReadDialogTemplate(HMODULE module, WORD id, LANGID language) {
    DialogTemplate dialog;
    HRSRC resource = FindResourceExW(module, RT_DIALOG, MAKEINTRESOURCEW(id), language);
    if (resource == nullptr) return dialog;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    if (data == nullptr) return dialog;
    TemplateReader in(data, SizeofResource(module, resource));

    dialog.extended = in.Word() == 1 && in.Word() == 0xFFFF;
    if (!dialog.extended) in = TemplateReader(data, SizeofResource(module, resource));
    WORD count = 0;
    ReadHeader(in, &dialog, &count);
    for (WORD i = 0; i < count && !in.overrun(); ++i) dialog.controls.push_back(ReadControl(in, dialog.extended));
    dialog.found = !in.overrun();
    return dialog;
}

bool IsControlClass(const TemplateControl& control, const wchar_t* className) {
    static const wchar_t* const kPredefined[] = {L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"SCROLLBAR", L"COMBOBOX"};
    if (control.classAtom != 0) {
        WORD index = control.classAtom - 0x80;
        return index < 6 && _wcsicmp(kPredefined[index], className) == 0;
    }
    return _wcsicmp(control.className.c_str(), className) == 0;
}

void ExpectPlainShellDlgHeader(const DialogTemplate& dialog) {
    EXPECT_EQ(0u, dialog.exStyle);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(L"", dialog.caption);
    EXPECT_EQ(L"", dialog.menu);
    EXPECT_EQ(L"", dialog.windowClass);
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(L"MS Shell Dlg", dialog.face);
    if (dialog.extended) {
        EXPECT_EQ(0u, dialog.helpId);
        EXPECT_EQ(0, dialog.weight);
        EXPECT_EQ(0, dialog.italic);
        EXPECT_EQ(1, dialog.charset);
    }
}
