#include "dialogs/jobstorage/job_storage_record.h"

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
