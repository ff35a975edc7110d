#include "dialogs/jobstorage/job_storage_record.h"

#include "text/text_ops.h"

namespace {

template <size_t N>
void TerminateField(WCHAR (&field)[N]) {
    field[N - 1] = 0;
}

}  // namespace

void VTerminateJobStorageTexts(JobStoragePayload* record) {
    TerminateField(record->szUserName);
    TerminateField(record->szJobName);
    TerminateField(record->szLocationLine1);
    TerminateField(record->szLocationLine2);
    TerminateField(record->szLocationLine3);
    TerminateField(record->szSettingsKey);
    TerminateField(record->szStringModule);
    TerminateField(record->szHelpFile);
}

void VBuildJobNameText(const JobStoragePayload& record, WCHAR (&text)[JOB_NAME_TEXT_CCH]) {
    ZeroMemory(text, sizeof(text));
    TextCopy(text, JOB_NAME_TEXT_CCH, record.szJobName);
    if (record.dwJobNameFlag1 == 1 && record.dwJobNameFlag2 == 1) TextAppend(text, JOB_NAME_TEXT_CCH, L"(1-99)");
}
