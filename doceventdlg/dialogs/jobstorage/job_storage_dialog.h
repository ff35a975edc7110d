#pragma once

#include <windows.h>

#include "dialogs/jobstorage/job_storage_payload.h"
#include "text/text_context.h"
#include "unique_resource.h"

// The object behind one job storage notice: its own copy of the record, the
// text context (whose fRightToLeft picks template 103 over 102) and the bold
// font of the name and location fields, which it deletes once the window is
// gone.
class JobStorageDialog : public TextContext {
public:
    JobStorageDialog();

    // Creates the bold font for fields 1025, 1026 and 1024 and sets the
    // caption and the label and button texts.
    void VSetJobStorageTexts(HWND dialog);

    JobStoragePayload record;
    UniqueGdiObject hBoldFont;
};

// The notice's dialog procedure; the JobStorageDialog arrives as the creation
// parameter and is kept in the window's DWLP_USER slot.
INT_PTR CALLBACK JobStorageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
