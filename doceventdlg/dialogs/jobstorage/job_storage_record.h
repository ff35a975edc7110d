#pragma once

#include <windows.h>

#include "dialogs/jobstorage/job_storage_payload.h"

// The record comes from another process: each text field of a copy gets a
// terminator in its last unit, so a field that lacks one is shown cut at the
// field's end and no later read runs into the next field or past the record.
void VTerminateJobStorageTexts(JobStoragePayload* record);
