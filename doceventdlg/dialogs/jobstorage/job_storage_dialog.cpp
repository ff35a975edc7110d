#include "dialogs/jobstorage/job_storage_dialog.h"

#include "dialogs/jobstorage/job_name_text.h"
#include "dialogs/jobstorage/job_storage_controls.h"
#include "dialogs/jobstorage/job_storage_placement.h"
#include "services/context_help.h"
#include "services/user_setting.h"

namespace {

const DWORD kHelpContext = 15220;
const wchar_t kShowSettingName[] = L"ShowJobStorageDlg";

struct TextRow {
    int control;  // 0: the dialog's caption
    UINT stringId;
    const wchar_t* fallback;
};

const TextRow kTexts[] = {
    {0, 3064, L"Job Storage Identification"},
    {IDC_JS_USER_NAME_LABEL, 844, L"User Name:"},
    {IDC_JS_JOB_NAME_LABEL, 845, L"Job Name:"},
    {IDC_JS_STORED_AT, 3062, L"This print Job will be stored at:"},
    {IDC_JS_DONT_SHOW, 3063, L"In the future, do not show this information."},
    {IDOK, 849, L"&OK"},
    {IDC_JS_HELP, 797, L"&Help"},
};

const int kBoldFields[] = {IDC_JS_USER_NAME, IDC_JS_JOB_NAME, IDC_JS_STORED_AT};

HFONT CreateBoldLike(HFONT font) {
    LOGFONTW lf;
    ZeroMemory(&lf, sizeof(lf));
    if (GetObjectW(font, sizeof(lf), &lf) == 0) return 0;
    return CreateFontW(lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, FW_BOLD, lf.lfItalic,
                       lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                       lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
}

PlacementRect ToPlacementRect(const RECT& rect) {
    PlacementRect result = {rect.left, rect.top, rect.right, rect.bottom};
    return result;
}

// Centred on whatever window is in the foreground; left where the dialog
// manager put it when any of the three rectangles cannot be had.
void VPlaceOnForeground(HWND dialog) {
    RECT own, foreground, desktop;
    if (!GetWindowRect(dialog, &own)) return;
    if (!GetWindowRect(GetForegroundWindow(), &foreground)) return;
    if (!GetWindowRect(GetDesktopWindow(), &desktop)) return;
    PlacementPoint at =
        JobStoragePlacement(ToPlacementRect(own), ToPlacementRect(foreground), ToPlacementRect(desktop));
    SetWindowPos(dialog, 0, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void VShowRecordTexts(HWND dialog, const JobStoragePayload& record) {
    SetDlgItemTextW(dialog, IDC_JS_LOCATION_LINE1, record.szLocationLine1);
    SetDlgItemTextW(dialog, IDC_JS_LOCATION_LINE2, record.szLocationLine2);
    SetDlgItemTextW(dialog, IDC_JS_LOCATION_LINE3, record.szLocationLine3);
    WCHAR jobName[JOB_NAME_TEXT_CCH];
    VComposeJobNameText(record.szJobName, record.dwJobNameFlag1, record.dwJobNameFlag2, jobName);
    SetDlgItemTextW(dialog, IDC_JS_JOB_NAME, jobName);
    SetDlgItemTextW(dialog, IDC_JS_USER_NAME, record.szUserName);
}

INT_PTR OnInitDialog(HWND dialog, JobStorageDialog* self) {
    if (self == 0) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    self->VLoadStringModule(self->record.szStringModule);
    self->VSetJobStorageTexts(dialog);
    VShowRecordTexts(dialog, self->record);
    VPlaceOnForeground(dialog);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    return FALSE;  // the dialog manager leaves the keyboard focus alone
}

// OK stores "do not show again" as 0 and "show" as 1; the notice closes
// whether or not the value could be written.
void VStoreShowChoice(HWND dialog, const JobStorageDialog& self) {
    const BYTE show = IsDlgButtonChecked(dialog, IDC_JS_DONT_SHOW) == BST_CHECKED ? 0 : 1;
    BWriteUserSetting(self.record.szSettingsKey, kShowSettingName, &show, sizeof(show));
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    JobStorageDialog* self = reinterpret_cast<JobStorageDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == 0) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    if (HIWORD(wParam) != 0) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        VStoreShowChoice(dialog, *self);
        EndDialog(dialog, 1);
        return TRUE;
    case IDC_JS_HELP:
        VShowContextHelp(GetDlgItem(dialog, IDC_JS_HELP), IDC_JS_HELP, kHelpContext, self->record.szHelpFile);
        return TRUE;
    default:
        // Escape arrives as IDCANCEL: the notice has no Cancel and stays.
        return FALSE;
    }
}

}  // namespace

JobStorageDialog::JobStorageDialog() { ZeroMemory(&record, sizeof(record)); }

void JobStorageDialog::VSetJobStorageTexts(HWND dialog) {
    HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_JS_USER_NAME, WM_GETFONT, 0, 0));
    if (font != 0) {
        hBoldFont.reset(CreateBoldLike(font));
        if (hBoldFont) {
            for (int field : kBoldFields) {
                SendDlgItemMessageW(dialog, field, WM_SETFONT, reinterpret_cast<WPARAM>(hBoldFont.get()), FALSE);
            }
        }
    }
    for (const TextRow& row : kTexts) {
        HWND target = row.control == 0 ? dialog : GetDlgItem(dialog, row.control);
        VSetTextFromId(row.stringId, target, row.fallback);
    }
}

INT_PTR CALLBACK JobStorageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // The close box ends the notice without storing anything.
        EndDialog(dialog, 1);
        return TRUE;
    case WM_INITDIALOG:
        return OnInitDialog(dialog, reinterpret_cast<JobStorageDialog*>(lParam));
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    default:
        return FALSE;
    }
}
