#include "dialogs/duplex/duplex_dialog.h"
#include "dialogs/duplex/duplex_ids.h"
#include "text/text_ops.h"

namespace {

const wchar_t kCaption[] = L"Print on Both Sides Instructions";
const wchar_t kIntroPanelPrompt[] =
    L"After the even-numbered pages have printed, a message will appear on the printer's display instructing you "
    L"where to load the paper.  Follow the instructions below to print the odd-numbered pages (second sides).";
const wchar_t kIntroOddPages[] =
    L"The odd-numbered pages of your document are printing.  Remove the printed pages from the OUT tray when "
    L"printing is complete.  Follow the instructions below to print the second side of your pages.";
const wchar_t kStep1[] =
    L"Without changing the orientation, remove the  paper stack from the Output Bin.  Do not discard blank sheets.";
const wchar_t kStep2[] = L"Maintaining the same orientation, insert the paper stack into Tray 1";
const wchar_t kStep3[] = L"If printing does not automatically continue, press the Go or Check button.";
const wchar_t kStep3Insert[] =
    L"Insert the stack into the IN tray with the top of the pages toward the device, as shown.";
const wchar_t kStep3PressGo[] = L"Press the Go or Select button to continue printing.";

const UINT kJoinedStep3Cch = 512;

// Text id into buffer, or its fallback cut to 255 characters.
void VLoadTextOrFallback(const TextContext& context, UINT id, const wchar_t* fallback, wchar_t* buffer) {
    if (!context.BLoadText(id, buffer)) TextCopyN(buffer, TEXT_BUFFER_CCH, fallback, TEXT_BUFFER_CCH);
}

void VSetJoinedStep3(const TextContext& context, HWND control) {
    wchar_t insert[TEXT_BUFFER_CCH] = {0};
    wchar_t pressGo[TEXT_BUFFER_CCH] = {0};
    VLoadTextOrFallback(context, IDS_DUPLEX_STEP3_INSERT, kStep3Insert, insert);
    VLoadTextOrFallback(context, IDS_DUPLEX_STEP3_PRESS_GO, kStep3PressGo, pressGo);
    wchar_t joined[kJoinedStep3Cch];
    TextCopy(joined, kJoinedStep3Cch, insert);
    TextAppend(joined, kJoinedStep3Cch, L"\n");
    TextAppend(joined, kJoinedStep3Cch, pressGo);
    SetWindowTextW(control, joined);
}

}  // namespace

void DuplexDialog::VSetDuplexTexts(HWND dialog, const DuplexPayload* shown) const {
    context.VSetTextFromId(IDS_DUPLEX_CAPTION, dialog, kCaption);
    if (shown->bPanelPrompt) {
        context.VSetTextFromId(IDS_DUPLEX_INTRO_PANEL_PROMPT, GetDlgItem(dialog, IDC_DUPLEX_INTRO), kIntroPanelPrompt);
    } else {
        context.VSetTextFromId(IDS_DUPLEX_INTRO_ODD_PAGES, GetDlgItem(dialog, IDC_DUPLEX_INTRO), kIntroOddPages);
    }
    context.VSetTextFromId(IDS_DUPLEX_STEP1_NUMBER, GetDlgItem(dialog, IDC_DUPLEX_STEP1_NUMBER), L"1.");
    context.VSetTextFromId(shown->dwStep1Text, GetDlgItem(dialog, IDC_DUPLEX_STEP1_TEXT), kStep1);
    context.VSetTextFromId(IDS_DUPLEX_STEP2_NUMBER, GetDlgItem(dialog, IDC_DUPLEX_STEP2_NUMBER), L"2.");
    context.VSetTextFromId(shown->dwStep2Text, GetDlgItem(dialog, IDC_DUPLEX_STEP2_TEXT), kStep2);
    context.VSetTextFromId(IDS_DUPLEX_STEP3_NUMBER, GetDlgItem(dialog, IDC_DUPLEX_STEP3_NUMBER), L"3.");

    HWND step3 = GetDlgItem(dialog, IDC_DUPLEX_STEP3_TEXT);
    if (!shown->bModal && shown->dwStep3Text == IDS_DUPLEX_STEP3_INSERT) {
        VSetJoinedStep3(context, step3);
    } else {
        context.VSetTextFromId(shown->dwStep3Text, step3, kStep3);
    }

    if (shown->bModal) {
        context.VSetTextFromId(IDS_DUPLEX_CONTINUE, GetDlgItem(dialog, IDOK), L"C&ontinue");
    } else {
        context.VSetTextFromId(IDS_DUPLEX_OK, GetDlgItem(dialog, IDOK), L"&OK");
    }
    context.VSetTextFromId(IDS_DUPLEX_HELP, GetDlgItem(dialog, IDC_DUPLEX_HELP), L"&Help");
}
