#include "sample_records.h"

#include <string.h>

#include "sample_string_ids.h"

namespace {

// Copies text into a fixed field, cut so that its NUL stays inside.
template <size_t N>
void Put(WCHAR (&field)[N], const std::wstring& text) {
    size_t length = text.size() < N - 1 ? text.size() : N - 1;
    memcpy(field, text.data(), length * sizeof(WCHAR));
    field[length] = 0;
}

}  // namespace

const DuplexSteps kTopBinSteps = {105, IDS_TOPBIN_STEP1, 106, IDS_TOPBIN_STEP2, 108, IDS_TOPBIN_STEP3};
const DuplexSteps kDrawerSteps = {111, IDS_DRAWER_STEP1, 113, IDS_DRAWER_STEP2, 114, IDS_DRAWER_STEP3};
const DuplexSteps kRearTraySteps = {120, IDS_REARTRAY_STEP1, 122, IDS_REARTRAY_STEP2, 133, IDS_REARTRAY_STEP3};
const DuplexSteps kJoinedSteps = {151, IDS_TOPBIN_STEP1, 106, IDS_TOPBIN_STEP2, 153, IDS_STEP3_INSERT_IN_TRAY};

JobStoragePayload SampleJobStorage(const SampleFiles& files) {
    JobStoragePayload record;
    memset(&record, 0, sizeof(record));
    Put(record.szUserName, L"jsmith");
    Put(record.szJobName, L"Q3 Report");
    Put(record.szLocationLine1, L"Orvantel LaserPro 4200");
    Put(record.szLocationLine2, L"\\\\PRINTSRV01\\LaserPro4200");
    Put(record.szLocationLine3, L"Stored Jobs \\ jsmith");
    Put(record.szSettingsKey, L"LaserPro 4200");
    record.dwJobNameFlag1 = 1;
    record.dwJobNameFlag2 = 1;
    Put(record.szStringModule, files.stringModule);
    Put(record.szHelpFile, files.helpFile);
    return record;
}

DuplexPayload SampleDuplex(const SampleFiles& files, const DuplexSteps& steps, bool modal, bool panelPrompt,
                           HANDLE printer) {
    DuplexPayload record;
    memset(&record, 0, sizeof(record));
    Put(record.szStringModule, files.stringModule);
    Put(record.szHelpFile, files.helpFile);
    Put(record.szImageModule, files.imageModule);
    record.dwStep1Bitmap = steps.bitmap1;
    record.dwStep1Text = steps.text1;
    record.dwStep2Bitmap = steps.bitmap2;
    record.dwStep2Text = steps.text2;
    record.dwStep3Bitmap = steps.bitmap3;
    record.dwStep3Text = steps.text3;
    record.bModal = modal;
    record.bPanelPrompt = panelPrompt;
    record.hSpoolPrinter = printer;
    return record;
}

WarningPayload SampleWarning(const SampleFiles& files, DWORD captionText, const std::wstring& message,
                             const WarningButtons& buttons, bool checkBox) {
    WarningPayload record;
    memset(&record, 0, sizeof(record));
    record.dwTitleText = captionText;
    record.dwShowDialog = 1;
    Put(record.szMessage, message);
    record.dwOkText = buttons.okText;
    record.dwCancelText = buttons.cancelText;
    record.dwThirdButtonText = buttons.thirdText;
    record.bShowCheckBox = checkBox;
    Put(record.szStringModule, files.stringModule);
    return record;
}
