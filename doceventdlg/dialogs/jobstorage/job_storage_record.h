#pragma once

#include <windows.h>

#include "dialogs/jobstorage/job_name_text.h"
#include "dialogs/jobstorage/job_storage_payload.h"

// The record comes from another process: each text field of a copy gets a
// terminator in its last unit, so a field that lacks one is shown cut at the
// field's end and no later read runs into the next field or past the record.
void VTerminateJobStorageTexts(JobStoragePayload* record);

// The job name as field 1026 shows it: followed directly by "(1-99)" when both
// job name flags are exactly 1, else alone.
void VBuildJobNameText(const JobStoragePayload& record, WCHAR (&text)[JOB_NAME_TEXT_CCH]);
